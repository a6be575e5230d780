#include "DesignWindows.h"

#include "AccessibleNames.h"
#include "DialogFocus.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
#include "app/design/DesignControls.h"
#include "app/texts/Texts.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QPushButton* AddButton(QDialogButtonBox& buttons, const char* text, const NamedControl& control,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons.addButton(Text(text), role);
    button->setObjectName(control.Name);
    return button;
}

} // namespace

DesignWindows::DesignWindows(StagePresenters& presenters, MainWindow& main)
    : presenters_(presenters), main_(main), presenter_(presenters.MakeDesign(*this)),
      progress_(main, kDesignProgressName, kDesignCaption, kDesignProgressText, kDesignProgressBar,
                kDesignProgressCancel, [this] { presenter_.CancelRun(); }) {
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { presenter_.Poll(); });
    main.MenusChanged();
}

DesignWindows::~DesignWindows() {
    presenters_.DropDesign();
}

void DesignWindows::OpenDialog(const DesignFields& fields) {
    QDialog dialog(&main_);
    // The dialog goes before the search's boxes come.
    BuildSettingsDialog(
        dialog, DesignDialogLayout(), ValuesOf(fields),
        [this](const DialogValues& typed) { return presenter_.Accept(DesignFieldsOf(typed)); });
    NameDesignControls(dialog);
    dialogOpen_ = &dialog;
    dialog.exec();
    dialogOpen_ = nullptr;
}

void DesignWindows::FocusField(int id) {
    FocusNamedField(dialogOpen_, DesignObjectName(id));
}

void DesignWindows::ShowProgress(int permille) {
    progress_.Show(permille, NameDesignControls);
}

void DesignWindows::ShowResults(const std::string& summary, const std::vector<std::string>& lines) {
    QDialog box(&main_);
    box.setObjectName(kDesignResultsName);
    box.setWindowTitle(Text(kDesignResultsCaption));
    auto* layout = new QVBoxLayout(&box);
    auto* said = new QLabel(QString::fromStdString(summary));
    said->setObjectName(kDesignSummary.Name);
    said->setWordWrap(true);
    layout->addWidget(said);
    layout->addWidget(new QLabel(Text(kDesignListLegend)));
    auto* list = new QListWidget;
    list->setObjectName(kCandidateList.Name);
    for (const std::string& line : lines)
        list->addItem(QString::fromStdString(line));
    list->setCurrentRow(0);
    list->setMinimumSize(720, 220);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox;
    QPushButton* apply =
        AddButton(*buttons, kApplyButton, kApplyDesignButton, QDialogButtonBox::AcceptRole);
    QPushButton* copy =
        AddButton(*buttons, kCopyResultsButton, kCopyDesignButton, QDialogButtonBox::ActionRole);
    AddButton(*buttons, kCloseResultsButton, kCloseDesignButton, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    apply->setEnabled(!lines.empty());
    apply->setDefault(true); // in the box already: see SpreadWindows::OpenDialog
    NameDesignControls(box);
    connect(copy, &QPushButton::clicked, &box, [this] { presenter_.CopyList(); });
    connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &box, [&] {
        const int row = list->currentRow();
        box.accept();
        if (row >= 0)
            presenter_.Apply(static_cast<size_t>(row));
    });
    connect(list, &QListWidget::itemActivated, apply, &QPushButton::click);
    box.exec();
}

bool DesignWindows::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return true;
}
