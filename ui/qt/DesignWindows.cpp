#include "DesignWindows.h"

#include "AccessibleNames.h"
#include "DialogFocus.h"
#include "MainWindow.h"
#include "app/design/DesignControls.h"
#include "app/texts/Texts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString Numbered(const char* prefix, size_t index) {
    return Text(prefix) + QString::number(index + 1);
}

QLineEdit* Edit(const QString& name, const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(name);
    return edit;
}

template <size_t N>
QComboBox* SeriesChoice(const char* name, const std::array<StandardSeries, N>& series, int chosen) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    for (const StandardSeries s : series)
        box->addItem(QString::fromUtf8(SeriesName(s).data(), SeriesName(s).size()));
    box->setCurrentIndex(chosen);
    return box;
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
    dialog.setObjectName(kDesignDialogName);
    dialog.setWindowTitle(Text(kDesignCaption));
    auto* columns = new QHBoxLayout(&dialog);

    // The parts: whether each is chosen, and its range.
    auto* parts = new QGridLayout;
    parts->addWidget(new QLabel(Text(kDesignPartsHeading)), 0, 0);
    parts->addWidget(new QLabel(Text(kRangeFromHeading)), 0, 1);
    parts->addWidget(new QLabel(Text(kRangeToHeading)), 0, 2);
    std::array<QCheckBox*, kDesignParts> checks{};
    std::array<QLineEdit*, kDesignParts> from{}, to{};
    for (size_t i = 0; i < kDesignParts; ++i) {
        const int row = static_cast<int>(i) + 1;
        checks[i] = new QCheckBox(Text(kParameterNames[i]));
        checks[i]->setObjectName(Numbered(kPartCheckPrefix, i));
        checks[i]->setChecked(fields.Chosen[i]);
        from[i] = Edit(Numbered(kRangeFromPrefix, i), fields.RangeFrom[i]);
        to[i] = Edit(Numbered(kRangeToPrefix, i), fields.RangeTo[i]);
        parts->addWidget(checks[i], row, 0);
        parts->addWidget(from[i], row, 1);
        parts->addWidget(to[i], row, 2);
    }
    columns->addLayout(parts);

    auto* right = new QVBoxLayout;
    auto* settings = new QFormLayout;
    QComboBox* resistors =
        SeriesChoice(kResistorSeriesChoice.Name, kResistorSeriesChoices, fields.ResistorSeries);
    QComboBox* capacitors =
        SeriesChoice(kCapacitorSeriesChoice.Name, kCapacitorSeriesChoices, fields.CapacitorSeries);
    settings->addRow(Text(kResistorSeriesLabel), resistors);
    settings->addRow(Text(kCapacitorSeriesLabel), capacitors);
    settings->addRow(new QLabel(Text(kRequirementsHeading)));
    std::array<QLineEdit*, kSpreadLimits> requirements{};
    for (size_t i = 0; i < requirements.size(); ++i) {
        requirements[i] = Edit(Numbered(kRequirementEditPrefix, i), fields.Requirements[i]);
        settings->addRow(Text(kLimitLabels[i]), requirements[i]);
    }
    right->addLayout(settings);
    auto* note = new QLabel(Text(kDesignTolerancesNote));
    note->setWordWrap(true);
    right->addWidget(note);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = AddButton(*buttons, kOkButton, kDesignOk, QDialogButtonBox::AcceptRole);
    AddButton(*buttons, kCancelButton, kDesignCancel, QDialogButtonBox::RejectRole);
    right->addStretch();
    right->addWidget(buttons);
    columns->addLayout(right);
    ok->setDefault(true); // in the dialog already: see SpreadWindows::OpenDialog
    NameDesignControls(dialog);

    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        DesignFields typed;
        for (size_t i = 0; i < requirements.size(); ++i)
            typed.Requirements[i] = requirements[i]->text().toStdString();
        for (size_t i = 0; i < kDesignParts; ++i) {
            typed.Chosen[i] = checks[i]->isChecked();
            typed.RangeFrom[i] = from[i]->text().toStdString();
            typed.RangeTo[i] = to[i]->text().toStdString();
        }
        typed.ResistorSeries = resistors->currentIndex();
        typed.CapacitorSeries = capacitors->currentIndex();
        // The dialog goes before the search's boxes come.
        if (presenter_.Accept(typed))
            dialog.accept();
    });
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
