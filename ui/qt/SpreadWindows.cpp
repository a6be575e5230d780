#include "SpreadWindows.h"

#include "AccessibleNames.h"
#include "DialogFocus.h"
#include "HistogramView.h"
#include "MainWindow.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString Numbered(const char* prefix, size_t index) {
    return Text(prefix) + QString::number(index + 1);
}

// An edit beside its label; what screen readers say of it comes from NameSpreadControls.
QLineEdit* AddField(QFormLayout& form, const char* label, const QString& name,
                    const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(name);
    form.addRow(Text(label), edit);
    return edit;
}

QComboBox* AddChoice(QFormLayout& form, const char* label, const char* name,
                     std::initializer_list<const char*> choices, int chosen) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    for (const char* choice : choices)
        box->addItem(Text(choice));
    box->setCurrentIndex(chosen);
    form.addRow(Text(label), box);
    return box;
}

QPushButton* AddButton(QDialogButtonBox& buttons, const char* text, const NamedControl& control,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons.addButton(Text(text), role);
    button->setObjectName(control.Name);
    return button;
}

} // namespace

SpreadWindows::SpreadWindows(StagePresenters& presenters, MainWindow& main, MessageBoxes& boxes)
    : presenters_(presenters), main_(main), dialog_(main), dialogs_(dialog_, boxes),
      presenter_(presenters.MakeSpread(*this, dialogs_)),
      progress_(main, kSpreadProgressName, kSpreadCaption, kSpreadProgressText, kSpreadProgressBar,
                kSpreadProgressCancel, [this] { presenter_.CancelRun(); }) {
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { presenter_.Poll(); });
    main.MenusChanged();
}

SpreadWindows::~SpreadWindows() {
    presenters_.DropSpread();
}

void SpreadWindows::OpenDialog(const SpreadFields& fields) {
    QDialog dialog(&main_);
    dialog.setObjectName(kSpreadDialogName);
    dialog.setWindowTitle(Text(kSpreadCaption));
    auto* columns = new QHBoxLayout(&dialog);
    auto* tolerances = new QFormLayout;
    tolerances->addRow(new QLabel(Text(kParameterHeadings[0])),
                       new QLabel(Text(kToleranceHeading)));
    std::array<QLineEdit*, kSpreadParameters> toleranceEdits{};
    for (size_t i = 0; i < toleranceEdits.size(); ++i)
        toleranceEdits[i] = AddField(*tolerances, kParameterNames[i],
                                     Numbered(kToleranceEditPrefix, i), fields.Tolerances[i]);
    columns->addLayout(tolerances);

    auto* right = new QVBoxLayout;
    auto* settings = new QFormLayout;
    QComboBox* shape = AddChoice(*settings, kDistributionLabel, kDistributionChoice.Name,
                                 {kUniformChoice, kNormalChoice}, static_cast<int>(fields.Shape));
    QComboBox* mode = AddChoice(*settings, kAnalysisLabel, kAnalysisChoice.Name,
                                {kMonteCarloChoice, kCornersChoice}, static_cast<int>(fields.Mode));
    QLineEdit* trials = AddField(*settings, kTrialsLabel, kTrialsEdit.Name, fields.Trials);
    QLineEdit* seed = AddField(*settings, kSeedLabel, kSeedEdit.Name, fields.Seed);
    settings->addRow(new QLabel(Text(kLimitsHeading)));
    std::array<QLineEdit*, kSpreadLimits> limitEdits{};
    for (size_t i = 0; i < limitEdits.size(); ++i)
        limitEdits[i] =
            AddField(*settings, kLimitLabels[i], Numbered(kLimitEditPrefix, i), fields.Limits[i]);
    right->addLayout(settings);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = AddButton(*buttons, kOkButton, kSpreadOk, QDialogButtonBox::AcceptRole);
    AddButton(*buttons, kCancelButton, kSpreadCancel, QDialogButtonBox::RejectRole);
    right->addStretch();
    right->addWidget(buttons);
    columns->addLayout(right);
    // Made default once in the dialog, OK is the dialog's own default, which Enter in a field
    // presses again after the focus has left "Отмена"; made before, the first button to take the
    // focus would become it.
    ok->setDefault(true);
    NameSpreadControls(dialog);

    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        SpreadFields typed;
        for (size_t i = 0; i < toleranceEdits.size(); ++i)
            typed.Tolerances[i] = toleranceEdits[i]->text().toStdString();
        typed.Shape = static_cast<Distribution>(shape->currentIndex());
        typed.Mode = static_cast<SpreadMode>(mode->currentIndex());
        typed.Trials = trials->text().toStdString();
        typed.Seed = seed->text().toStdString();
        for (size_t i = 0; i < limitEdits.size(); ++i)
            typed.Limits[i] = limitEdits[i]->text().toStdString();
        // The dialog goes before the run's boxes come.
        if (presenter_.Accept(typed))
            dialog.accept();
    });
    dialogOpen_ = &dialog;
    dialog.exec();
    dialogOpen_ = nullptr;
}

void SpreadWindows::FocusField(int id) {
    FocusNamedField(dialogOpen_, SpreadObjectName(id));
}

void SpreadWindows::ShowProgress(int permille) {
    progress_.Show(permille, NameSpreadControls);
}

void SpreadWindows::CloseProgress() {
    progress_.Close();
}

void SpreadWindows::ShowResults(const std::string& text,
                                const std::shared_ptr<const SpreadResult>& result) {
    QDialog box(&main_);
    box.setObjectName(kSpreadResultsName);
    box.setWindowTitle(Text(kSpreadResultsCaption));
    auto* layout = new QVBoxLayout(&box);
    auto* columns = new QHBoxLayout;
    auto* shown = new QPlainTextEdit(QString::fromStdString(text));
    shown->setObjectName(kSpreadResultsText.Name);
    shown->setReadOnly(true);
    shown->setTabChangesFocus(true);
    shown->setMinimumSize(420, 2 * kSpreadHistogramHeight);
    columns->addWidget(shown);
    // The two spreads a picture says better than a line of text.
    auto* pictures = new QVBoxLayout;
    for (const auto& [kind, control] :
         {std::pair{SpreadHistogramKind::UpperEdge, kUpperEdgeHistogram},
          std::pair{SpreadHistogramKind::PeakGain, kPeakGainHistogram}}) {
        auto* histogram = new HistogramView(kind, result);
        histogram->setObjectName(control.Name);
        pictures->addWidget(histogram);
    }
    pictures->addStretch();
    columns->addLayout(pictures);
    layout->addLayout(columns);
    auto* buttons = new QDialogButtonBox;
    QPushButton* copy =
        AddButton(*buttons, kCopyResultsButton, kCopySpreadButton, QDialogButtonBox::ActionRole);
    QPushButton* save =
        AddButton(*buttons, kSaveBandButton, kSaveSpreadButton, QDialogButtonBox::ActionRole);
    QPushButton* close =
        AddButton(*buttons, kCloseResultsButton, kCloseSpreadButton, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    close->setDefault(true); // in the box already: see OpenDialog
    NameSpreadControls(box);
    connect(copy, &QPushButton::clicked, &box, [this] { presenter_.CopyResults(); });
    connect(save, &QPushButton::clicked, &box, [this] { presenter_.SaveBand(); });
    connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    box.exec();
    presenter_.ResultsClosed();
}

bool SpreadWindows::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return true;
}
