#include "FakeFileChooser.h"
#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/session/StagePresenters.h"
#include "numerics/NumberText.h"
#include "ui/qt/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A band-pass stage, three frequencies.
const QStringList kStage = {"10",  "1e9", "1",    "99",  "1e9", "0.159", "1e-7",
                            "1e9", "1e9", "1e-7", "1e5", "10",  "1"};
const QString kSentinel = QStringLiteral("what the clipboard held");

} // namespace

// SgResult's copy, select-all and save, through the real main window.
class TableActionsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<FakeFileChooser> chooser;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<MainWindow> window;

    QTableView* ResultGrid() { return window->findChild<QTableView*>("SgResult"); }
    QString Shown(int modelRow, int column) {
        return ModelCell(ResultGrid()->model(), modelRow, column);
    }
    QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    void Calculate(const QString& from, const QString& to, const QString& step, int rows = 3) {
        // Typed with the locale's separator, as a user would.
        const char32_t separator = DecimalSeparator();
        for (int row = 1; row <= 13; ++row)
            window->SetCellText(1, row,
                                QString(kStage[row - 1])
                                    .replace('.', QString::fromUcs4(&separator, 1))
                                    .toStdString());
        window->SetEditText(StageField::From, from.toStdString());
        window->SetEditText(StageField::To, to.toStdString());
        window->SetEditText(StageField::Step, step.toStdString());
        QTest::mouseClick(window->findChild<QPushButton*>("BuRas"), Qt::LeftButton);
        QCOMPARE(ResultGrid()->model()->rowCount(), rows);
    }
    void Press(Qt::Key key) {
        ResultGrid()->setFocus();
        QTest::keyClick(ResultGrid(), key, Qt::ControlModifier);
    }
    // The rows as the grid shows them, cells joined by `separator`.
    QStringList ShownRows(const QString& separator) {
        QStringList rows;
        for (int row = 0; row < ResultGrid()->model()->rowCount(); ++row)
            rows << QStringList{Shown(row, 0), Shown(row, 1), Shown(row, 2)}.join(separator);
        return rows;
    }
    void ClickCell(int row, int column, Qt::KeyboardModifiers keys = {}) {
        const QModelIndex cell = ResultGrid()->model()->index(row, column);
        QTest::mouseClick(ResultGrid()->viewport(), Qt::LeftButton, keys,
                          ResultGrid()->visualRect(cell).center());
    }
    QStringList MenuTexts() { return ::ContextMenuTexts(ResultGrid()->viewport(), QPoint(20, 20)); }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        boxes = std::make_unique<FakeMessageBoxes>();
        chooser = std::make_unique<FakeFileChooser>();
        presenters = std::make_unique<StagePresenters>(*boxes);
        window = std::make_unique<MainWindow>(*presenters, *boxes);
        window->SetFileChooser(*chooser);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QGuiApplication::clipboard()->setText(kSentinel);
    }
    void cleanup() {
        window.reset();
        SetDecimalSeparatorSource(nullptr);
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void withoutResultsNothingIsCopied() {
        Press(Qt::Key_A);
        Press(Qt::Key_C);
        QCOMPARE(Clipboard(), kSentinel);
        QVERIFY(ResultGrid()->selectionModel()->selection().isEmpty());
        QCOMPARE(MenuTexts(), QStringList({"Копировать (disabled)", "Выделить всё (disabled)",
                                           "Сохранить &таблицу… (disabled)"}));
    }

    void selectAllAndCopyGiveTheHeadingAndEveryRow() {
        Calculate("10", "30", "10");
        Press(Qt::Key_A);
        Press(Qt::Key_C);
        QCOMPARE(Clipboard(),
                 (QStringList{"частота, Гц\t |k|, раз\t |k|, дБ"} + ShownRows("\t")).join('\n'));
        QVERIFY(Clipboard().startsWith("частота, Гц\t |k|, раз\t |k|, дБ\n10\t"));
    }

    void copyOfABlockBelowTheTopHasNoHeading() {
        SetDecimalSeparatorSource([] { return U','; });
        Calculate("10", "30", "10");
        const QAbstractItemModel* model = ResultGrid()->model();
        ResultGrid()->selectionModel()->select(
            QItemSelection(model->index(1, 1), model->index(2, 2)), QItemSelectionModel::Select);
        Press(Qt::Key_C);
        QCOMPARE(Clipboard(),
                 Shown(1, 1) + "\t" + Shown(1, 2) + "\n" + Shown(2, 1) + "\t" + Shown(2, 2));
        QVERIFY(Clipboard().contains(','));
    }

    // The grid selects one rectangle however the user clicks: a Ctrl+click starts a new one
    // rather than adding a second, so no L-shape can be made. Ctrl+C copies exactly it.
    void clicksSelectOneRectangleAndCtrlCCopiesExactlyIt() {
        Calculate("10", "30", "10");
        ClickCell(0, 1);
        ClickCell(2, 0, Qt::ControlModifier);
        ClickCell(1, 1, Qt::ShiftModifier);
        ClickCell(1, 2, Qt::ControlModifier | Qt::ShiftModifier);
        const QItemSelection selection = ResultGrid()->selectionModel()->selection();
        QCOMPARE(selection.size(), 1);
        QStringList rows;
        for (int row = selection[0].top(); row <= selection[0].bottom(); ++row) {
            QStringList cells;
            for (int column = selection[0].left(); column <= selection[0].right(); ++column)
                cells << Shown(row, column);
            rows << cells.join('\t');
        }
        QCOMPARE(rows.size() * selection[0].width(), 4);
        Press(Qt::Key_C);
        QCOMPARE(Clipboard(), rows.join('\n'));
    }

    void ctrlInsertCopiesAsCtrlCDoes() {
        Calculate("10", "30", "10");
        Press(Qt::Key_A);
        Press(Qt::Key_C);
        const QString copied = Clipboard();
        QGuiApplication::clipboard()->setText(kSentinel);
        Press(Qt::Key_A);
        Press(Qt::Key_Insert);
        QCOMPARE(Clipboard(), copied);
    }

    void newResultClearsTheSelection() {
        Calculate("10", "50", "10", 5);
        Press(Qt::Key_A);
        Calculate("10", "100", "10", 10);
        QVERIFY(ResultGrid()->selectionModel()->selectedIndexes().size() <= 1);
        Press(Qt::Key_C);
        QVERIFY(!Clipboard().contains('\n'));
    }

    void contextMenuOffersTheActionsWithTheirShortcuts() {
        Calculate("10", "30", "10");
        QCOMPARE(MenuTexts(), QStringList({"Копировать", "Выделить всё", "Сохранить &таблицу…"}));
        const QList<QAction*> actions = ResultGrid()->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0]->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(actions[1]->shortcut(), QKeySequence(QKeySequence::SelectAll));
        // Its key is the File menu's, Ctrl+T: Ctrl+S saves the stage.
        QCOMPARE(actions[2]->shortcut(), QKeySequence());
        actions[1]->trigger();
        actions[0]->trigger();
        QVERIFY(Clipboard().startsWith("частота, Гц"));
    }

    void savedCsvReadsBackUnderTheLocale() {
        SetDecimalSeparatorSource([] { return U','; });
        Calculate("10", "30", "10");
        QTemporaryDir folder;
        chooser->answer = folder.filePath("таблица.csv");
        Press(Qt::Key_T);
        QCOMPARE(chooser->asked,
                 QStringList({"Сохранить таблицу", "Таблица CSV (*.csv)", "результаты.csv"}));
        QFile saved(chooser->answer);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray expected =
            "\xEF\xBB\xBF" +
            (QStringList{"частота, Гц; |k|, раз; |k|, дБ"} + ShownRows(";")).join("\r\n").toUtf8() +
            "\r\n";
        QCOMPARE(saved.readAll(), expected);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"таблица.csv"});
    }

    void cancelledSaveWritesNothing() {
        Calculate("10", "30", "10");
        QTemporaryDir folder;
        chooser->answer.clear();
        Press(Qt::Key_T);
        QCOMPARE(chooser->asked.size(), 3);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void failedSaveIsAnErrorBox() {
        Calculate("10", "30", "10");
        QTemporaryDir folder;
        chooser->answer = folder.filePath("нет/таблица.csv");
        Press(Qt::Key_T);
        QCOMPARE(boxes->errors,
                 QStringList{"Не удалось сохранить «" + chooser->answer + "»: такой папки нет."});
        boxes->errors.clear();
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void resetTakesTheActionsAwayAgain() {
        Calculate("10", "30", "10");
        QTest::mouseClick(window->findChild<QPushButton*>("Button3"), Qt::LeftButton);
        Press(Qt::Key_A);
        Press(Qt::Key_C);
        QCOMPARE(Clipboard(), kSentinel);
        for (const QAction* action : ResultGrid()->actions())
            QVERIFY(!action->isEnabled());
    }
};

QTEST_MAIN(TableActionsTest)
#include "TableActionsTest.moc"
