#include "SpreadWindows.h"

#include "AccessibleNames.h"
#include "DialogFocus.h"
#include "HistogramView.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

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
    // The dialog goes before the run's boxes come.
    BuildSettingsDialog(
        dialog, SpreadDialogLayout(), ValuesOf(fields),
        [this](const DialogValues& typed) { return presenter_.Accept(SpreadFieldsOf(typed)); });
    NameSpreadControls(dialog);
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
