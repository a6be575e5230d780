#pragma once

#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "tests/driver/MainWindowBehaviours.h"
#include "tests/driver/WindowDriver.h"
#include "ui/qt/GraphWindow.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/StartUp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

// A modal window of the Qt windows, worked through its controls by their object names.
class QtDialogDriver final : public DialogDriver {
  public:
    explicit QtDialogDriver(QWidget& dialog) : dialog_(dialog) {}

    void Type(int field, const std::string& text) override {
        TypeInto(Of<QLineEdit>(field), QString::fromStdString(text));
    }
    std::string Text(int control) override {
        QWidget* widget = Of<QWidget>(control);
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            return text->toPlainText().toStdString();
        return qobject_cast<QLineEdit*>(widget)->text().toStdString();
    }
    void Click(int control) override {
        auto* button = Of<QAbstractButton>(control);
        // A check box takes a click on its box.
        if (qobject_cast<QCheckBox*>(button) != nullptr)
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
        else
            QTest::mouseClick(button, Qt::LeftButton);
    }
    void ClickInto(int field) override { QTest::mouseClick(Of<QWidget>(field), Qt::LeftButton); }
    void Focus(int control) override { Of<QWidget>(control)->setFocus(Qt::TabFocusReason); }
    void PressEnter() override {
        // The window's focus, active or not offscreen.
        QWidget* focused = dialog_.focusWidget();
        QTest::keyClick(focused != nullptr ? focused : &dialog_, Qt::Key_Return);
    }
    void PressTab() override {
        QWidget* focused = dialog_.focusWidget();
        QTest::keyClick(focused != nullptr ? focused : &dialog_, Qt::Key_Tab);
    }
    std::string FocusedName() override {
        QWidget* focused = dialog_.focusWidget();
        return focused != nullptr ? focused->objectName().toStdString() : "";
    }
    std::string SelectedText() override {
        auto* edit = qobject_cast<QLineEdit*>(dialog_.focusWidget());
        return edit != nullptr ? edit->selectedText().toStdString() : "";
    }
    int ListCount(int list) override { return Of<QListWidget>(list)->count(); }
    bool Shown() override { return dialog_.isVisible(); }

  private:
    template <class Widget> Widget* Of(int id) {
        const std::string name = AnalysisObjectName(id);
        auto* widget = dialog_.findChild<Widget*>(QString::fromStdString(name));
        if (widget == nullptr)
            qFatal("no control %s", name.c_str());
        return widget;
    }

    QWidget& dialog_;
};

// The Qt windows worked as WindowDriver says, through their controls, in-process.
class QtWindowDriver final : public WindowDriver {
  public:
    // `graph` is the window "график" shows, where there is one.
    QtWindowDriver(MainWindow& window, FakeMessageBoxes& boxes, StagePresenters& presenters,
                   GraphWindow* graph = nullptr)
        : window_(window), boxes_(boxes), presenters_(presenters), graph_(graph) {}
    QtWindowDriver(ProgramWindows& windows, FakeMessageBoxes& boxes)
        : QtWindowDriver(windows.Main, boxes, windows.Presenters, &windows.Graph) {
        spread_ = &windows.Spread.Presenter();
    }

    void TypeParameter(int row, const std::string& text, bool commit) override {
        TypeIntoCell(Of<QTableWidget>(MainControlName::SgIsh), row, 1, QString::fromStdString(text),
                     commit);
    }
    void TypeSweep(StageField field, const std::string& text) override {
        TypeInto(Of<QLineEdit>(SweepFieldControl(field)), QString::fromStdString(text));
    }
    void Click(MainControlName control) override {
        QWidget* widget = Of<QWidget>(control);
        // A check box takes a click on its box.
        if (control == MainControlName::CheckBox1)
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 12));
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }
    void ChooseMenuItem(const char* text) override { TriggerMenuItem(&window_, text); }
    void Press(Keys keys) override {
        if (keys == Keys::Escape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    }
    void OpenAtStart(const std::filesystem::path& file) override {
        window_.Presenter().OpenAtStart(file);
    }
    void AnswerFileDialogs(const std::filesystem::path& file) override {
        chooser_.answer = file;
        window_.SetFileChooser(chooser_);
    }
    void AnswerQuestions(Answer answer) override { boxes_.answer = answer; }
    bool CloseMainWindow() override { return window_.close(); }
    void WhenShown(const char* window, std::function<void(DialogDriver&)> answer) override {
        answers_.Add(window, std::move(answer));
        if (!poll_.isActive()) {
            QObject::connect(&poll_, &QTimer::timeout, [this] {
                for (const std::string& window : answers_.Windows())
                    for (QWidget* widget : QApplication::topLevelWidgets())
                        if (widget->isVisible() && widget->objectName().toStdString() == window) {
                            QtDialogDriver dialog(*widget);
                            answers_.RunFor(window, dialog);
                            return;
                        }
            });
            poll_.start(10);
        }
    }
    bool AwaitAnswers() override {
        return QTest::qWaitFor([this] { return answers_.Empty(); }, 60000);
    }
    void ForgetAnswers() override { answers_ = {}; }
    void PressInGraph(MarkerStep step) override {
        static constexpr Qt::Key kKeys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
        QTest::keyClick(graph_, kKeys[static_cast<size_t>(step)]);
    }
    void PointInGraph(int x, int y) override { QTest::mouseMove(graph_, QPoint(x, y)); }
    void RepaintGraphLater() override { graph_->update(); }
    void BoxesRunTheEventLoop() override {
        boxes_.runEventLoop = true;
        boxes_.mostUpAtOnce = 0;
    }
    int MostBoxesUpAtOnce() override { return boxes_.mostUpAtOnce; }
    void Resize(bool graph, int width, int height) override {
        (graph ? static_cast<QWidget*>(graph_) : &window_)->resize(width, height);
    }
    void ChooseGraphMenuItem(const char* text) override {
        ChooseFromContextMenu(graph_, {300, 300}, QString::fromUtf8(text));
    }

    bool MenuItemChecked(const char* text) override {
        QAction* action = MenuAction(&window_, text);
        return action != nullptr && action->isChecked();
    }
    std::string Caption() override { return window_.windowTitle().toStdString(); }
    bool MainWindowShown() override { return window_.isVisible(); }
    bool GraphShown() override { return graph_->isVisible(); }
    Picture GraphPicture() override {
        QTest::qWait(20); // the paints queued
        const QImage image = graph_->grab().toImage();
        Picture picture{image.width(), image.height(), {}};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour(image.pixel(x, y));
                picture.Pixels.push_back({static_cast<uint8_t>(colour.red()),
                                          static_cast<uint8_t>(colour.green()),
                                          static_cast<uint8_t>(colour.blue())});
            }
        return picture;
    }
    bool GraphLogScale() override { return graph_->Presenter().LogScale(); }
    std::optional<size_t> GraphMarker() override { return graph_->Presenter().Marker(); }
    const SpreadSettings& AnalysisSettings() override { return presenters_.Session().Settings(); }
    std::shared_ptr<const SpreadResult> Band() override { return presenters_.Session().Band(); }
    bool AnalysisRunning() override { return spread_ != nullptr && spread_->Running(); }
    std::string ClipboardText() override {
        return QGuiApplication::clipboard()->text().toStdString();
    }
    std::string ParameterCell(int column, int row) override {
        return Of<QTableWidget>(MainControlName::SgIsh)->item(row, column)->text().toStdString();
    }
    std::string SweepText(StageField field) override {
        return Of<QLineEdit>(SweepFieldControl(field))->text().toStdString();
    }
    std::string LabelText(MainControlName label) override {
        return Of<QLabel>(label)->text().toStdString();
    }
    bool Checked(MainControlName checkBox) override { return Of<QCheckBox>(checkBox)->isChecked(); }
    bool Enabled(MainControlName control) override { return Of<QWidget>(control)->isEnabled(); }
    int ResultRows() override { return Results()->rowCount() + 1; }
    std::string ResultCell(int column, int row) override {
        return ModelCell(Results(), row - 1, column).toStdString();
    }
    const SweepResult& Result() override { return window_.Result(); }
    std::vector<std::string> TakeMessages() override { return Take(boxes_.messages); }
    std::vector<std::string> TakeErrors() override { return Take(boxes_.errors); }
    std::vector<std::string> TakeQuestions() override { return Take(boxes_.questions); }
    std::vector<std::pair<std::string, long>> Holdings() override {
        return {{"widgets", static_cast<long>(QApplication::allWidgets().size())}};
    }

  private:
    template <class Widget> Widget* Of(MainControlName control) {
        auto* widget = window_.findChild<Widget*>(MainControl(control).Name);
        if (widget == nullptr)
            qFatal("no control %s", MainControl(control).Name);
        return widget;
    }
    QAbstractItemModel* Results() { return Of<QTableView>(MainControlName::SgResult)->model(); }
    static std::vector<std::string> Take(QStringList& shown) {
        std::vector<std::string> texts;
        for (const QString& text : shown)
            texts.push_back(text.toStdString());
        shown.clear();
        return texts;
    }

    MainWindow& window_;
    FakeMessageBoxes& boxes_;
    StagePresenters& presenters_;
    GraphWindow* graph_;
    SpreadPresenter* spread_ = nullptr;
    AnsweringChooser chooser_;
    PendingAnswers answers_;
    QTimer poll_;
};

// A table of behaviours (tests/driver) as the rows of a QtTest data function, and the fetched
// row's behaviour run over `driver`.
template <size_t N> void AddBehaviourRows(const main_window_behaviours::Behaviour (&table)[N]) {
    QTest::addColumn<const void*>("behaviour");
    for (const auto& behaviour : table)
        QTest::newRow(behaviour.Name) << static_cast<const void*>(&behaviour);
}
inline Findings RunFetchedBehaviour(WindowDriver& driver) {
    QFETCH(const void*, behaviour);
    return static_cast<const main_window_behaviours::Behaviour*>(behaviour)->Run(driver);
}
