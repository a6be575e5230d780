#include "MainWindow.h"

#include "AccessibleNames.h"
#include "Artwork.h"
#include "FittedCellDelegate.h"
#include "GraphWindow.h"
#include "KeystrokeDelegate.h"
#include "MenuBar.h"
#include "ResultTableActions.h"
#include "ResultTableModel.h"
#include "app/files/TableExport.h"
#include "app/presenters/MainLayout.h"
#include "ui_MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>

#include <algorithm>

namespace {

QLineEdit* EditOf(Ui::MainWindow& ui, StageField field) {
    switch (SweepFieldControl(field)) {
    case MainControlName::EdOt:
        return ui.EdOt;
    case MainControlName::EdDo:
        return ui.EdDo;
    default:
        return ui.EdDf;
    }
}

// The layout was measured with "MS Sans Serif", which few systems have; the fallback fonts run
// wider. A text that would overflow its laid-out label is condensed to fit instead of being cut
// or spilling under its neighbour.
void CondenseToFit(QLabel* label) {
    const int natural = label->sizeHint().width();
    if (natural <= label->width())
        return;
    QFont font = label->font();
    const int stretch = font.stretch() == QFont::AnyStretch ? QFont::Unstretched : font.stretch();
    font.setStretch(std::max<int>(QFont::ExtraCondensed, stretch * label->width() / natural));
    label->setFont(font);
}

void ShowCompanion(QWidget* window) {
    if (window == nullptr)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

MainWindow::MainWindow(StagePresenters& presenters, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::MainWindow>()), presenters_(presenters),
      boxes_(boxes), dialog_(*this), dialogs_(dialog_, boxes),
      presenter_(presenters.MakeMain(*this, *this, dialogs_)) {
    ui_->setupUi(this);
    move(kMainFrame.X, kMainFrame.Y);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/ou-icon.svg")));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    ui_->Image1->setPixmap(RenderArtwork(QStringLiteral(":/circuit.svg")));
    for (QLabel* label : {ui_->Label1, ui_->Label2, ui_->Label4, ui_->Label5})
        CondenseToFit(label);
    LayOutGrids();
    ConnectHandlers();
    resultActions_ = new ResultTableActions(*ui_->SgResult, presenter_.ResultCommands());
    AddMenuBar();
    NameControls(*this, presenter_.Sweep());
    presenter_.Start();
}

void MainWindow::AddMenuBar() {
    // The controls keep their places in a client area under the menu bar; the window grows by
    // the bar's height.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != client)
            control->setParent(client);
    auto* bar = new QMenuBar(this);
    menuBar_ = new MenuBar(*bar, presenters_);
    const int barHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, kMainFrame.Width, barHeight);
    client->setGeometry(0, barHeight, kMainFrame.Width, kMainFrame.Height);
    resize(kMainFrame.Width, kMainFrame.Height + barHeight);
}

MainWindow::~MainWindow() {
    // QWidget's destructor still hides the grid, which asks its model for headings: the model
    // must not outlive the table it reads, a member that is gone by then.
    ui_->SgResult->setModel(nullptr);
    delete resultModel_;
    presenters_.DropMain();
}

void MainWindow::SetGraphWindow(GraphWindow* window) {
    graphWindow_ = window;
}

void MainWindow::LayOutGrids() {
    QTableView* result = ui_->SgResult;
    resultModel_ = new ResultTableModel(presenter_.Results(), this);
    result->setModel(resultModel_);
    result->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    result->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    result->setTextElideMode(Qt::ElideNone); // cut cells end in "…" as FitCell decides
    result->setItemDelegate(new FittedCellDelegate(result));
    result->setTabKeyNavigation(false); // Tab moves on to the next control, not the next cell
    QHeaderView* headings = result->horizontalHeader();
    headings->setFixedHeight(kGridRowHeight);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    headings->setSectionsClickable(false);
    for (int column = 0; column < ResultTable::kColumns; ++column)
        result->setColumnWidth(column, kResultColumnWidths[static_cast<size_t>(column)]);

    QTableWidget* grid = ui_->SgIsh;
    grid->setTextElideMode(Qt::ElideNone);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    for (int column = 0; column < 2; ++column)
        grid->setColumnWidth(column, kParameterColumnWidths[static_cast<size_t>(column)]);
    // Row 0 and column 0 are fixed cells: headings and names, in the button-face colour. Only
    // the values in column 1 are edited.
    for (int row = 0; row < kParameterRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* item = new ParameterItem();
            if (row == 0 || column == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            grid->setItem(row, column, item);
        }
    }
    auto* editor = new KeystrokeDelegate(grid);
    grid->setItemDelegate(editor);
    connect(editor, &KeystrokeDelegate::EditTextChanged, this,
            [this](int column, int row, const QString& text) {
                presenter_.ParameterEdited(column, row, text.toStdString());
            });
}

void MainWindow::ConnectHandlers() {
    MainPresenter& presenter = presenter_;
    connect(ui_->BuRas, &QPushButton::clicked, this, [&presenter] { presenter.Calculate(); });
    connect(ui_->Button1, &QPushButton::clicked, this, [&presenter] { presenter.ShowGraph(); });
    connect(ui_->Button2, &QPushButton::clicked, this, [&presenter] { presenter.ShowHelp(); });
    connect(ui_->Button3, &QPushButton::clicked, this, [&presenter] { presenter.Reset(); });
    for (QLineEdit* edit : {ui_->EdOt, ui_->EdDo, ui_->EdDf})
        connect(edit, &QLineEdit::textChanged, this, [&presenter] { presenter.StageEdited(); });
    connect(ui_->CheckBox1, &QCheckBox::toggled, this, [&presenter] { presenter.StageEdited(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (presenter_.QueryClose())
        event->accept();
    else
        event->ignore();
}

std::string MainWindow::CellText(int column, int row) const {
    const QTableWidgetItem* item = ui_->SgIsh->item(row, column);
    return item != nullptr ? item->text().toStdString() : std::string();
}

void MainWindow::SetCellText(int column, int row, const std::string& text) {
    if (QTableWidgetItem* item = ui_->SgIsh->item(row, column))
        item->setText(QString::fromStdString(text));
}

std::string MainWindow::EditText(StageField field) const {
    return EditOf(*ui_, field)->text().toStdString();
}

void MainWindow::SetEditText(StageField field, const std::string& text) {
    EditOf(*ui_, field)->setText(QString::fromStdString(text));
}

void MainWindow::SetGraphEnabled(bool enabled) {
    ui_->Button1->setEnabled(enabled);
}

bool MainWindow::LogScaleChecked() const {
    return ui_->CheckBox1->isChecked();
}

void MainWindow::SetLogScaleChecked(bool checked) {
    ui_->CheckBox1->setChecked(checked);
}

void MainWindow::ShowMessage(const std::string& text) {
    boxes_.ShowMessage(text);
}

void MainWindow::ShowGraphWindow() {
    ShowCompanion(graphWindow_);
}

void MainWindow::ShowHelpWindow() {
    ShowCompanion(helpWindow_);
}

void MainWindow::SetParameterColumnWidths(int names, int values) {
    ui_->SgIsh->setColumnWidth(0, names);
    ui_->SgIsh->setColumnWidth(1, values);
}

void MainWindow::SetSeparatorLabel(const std::string& text) {
    QLabel* separator = ui_->Label3;
    separator->setText(QString::fromStdString(text));
    separator->resize(std::max(separator->width(), separator->sizeHint().width()),
                      separator->height());
}

void MainWindow::SetSweepLabel(const std::string& text, const std::string& fieldName) {
    ui_->Label5->setText(QString::fromStdString(text));
    CondenseToFit(ui_->Label5);
    ui_->EdDf->setToolTip(QString::fromStdString(fieldName));
    NameStepField(*ui_->EdDf, presenter_.Sweep());
}

int32_t MainWindow::SweepLabelWidth(const std::string& text) const {
    return ui_->Label5->fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

void MainWindow::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

void MainWindow::MenusChanged() {
    if (menuBar_ != nullptr)
        menuBar_->Follow();
}

std::vector<CellBlock> MainWindow::SelectedBlocks() const {
    // The grid's rows are the table's rows below the heading.
    std::vector<CellBlock> blocks;
    for (const QItemSelectionRange& range : ui_->SgResult->selectionModel()->selection())
        blocks.push_back({range.left(), range.top() + 1, range.right(), range.bottom() + 1});
    return blocks;
}

void MainWindow::SelectAll() {
    ui_->SgResult->selectAll();
}

void MainWindow::ClearSelection() {
    ui_->SgResult->clearSelection();
}

ClipboardOutcome MainWindow::PutOnClipboard(const ResultTable& table, const CellBlock& block) {
    try {
        QGuiApplication::clipboard()->setText(QString::fromStdString(CopyText(table, block)));
    } catch (const std::bad_alloc&) {
        return ClipboardOutcome::OutOfMemory;
    }
    return ClipboardOutcome::Copied;
}
