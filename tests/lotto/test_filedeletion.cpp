#include "support/mainfixture.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <optional>

using namespace dstest;

namespace {

const QByteArray Key("05061999");
const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);

const QString CloseAll = QStringLiteral("All files will be closed, do you want to continue?");
const QString SelectionQuestion = QStringLiteral("Are you sure you want to delete this lottery selection file?");
const QString ResultsQuestion = QStringLiteral("This is a results file. Are you sure you want to delete it?");
const QString NothingSelected = QStringLiteral("You have not selected a file for deletion");
const QString CannotDelete = QStringLiteral("This file cannot be deleted until your PC has been restarted.");

QString q(const QString &text) { return QStringLiteral("question: ") + text; }
QString m(const QString &text) { return QStringLiteral("message: ") + text; }

} // namespace

class FileDeletionTest : public MainFixture {
protected:
    QWidget *form()
    {
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String("Form3"))
                return t;
        return nullptr;
    }
    QListWidget *files() { return child<QListWidget>(form(), "File1"); }
    QStringList listed() { return lines(files()); }
    void fileMaintenance(bool yes = true)
    {
        fakes.dialogs.answer(yes);
        trigger(&w(), "mnuFileMaintenance");
    }
    void select(const QString &name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files()->setCurrentItem(found.front());
    }
    // Selects the file, scripts the answer to a question if one is expected,
    // and presses "Delete".
    void remove(const QString &name, std::optional<bool> answer = std::nullopt)
    {
        select(name);
        if (answer)
            fakes.dialogs.answer(*answer);
        click(form(), "Command3");
    }
    void closeForm() { click(form(), "Command1"); }
    QWidget *mainChild(const char *name) { return child<QWidget>(&w(), name); }
    QString caption(int k) { return child<QLabel>(&w(), QStringLiteral("Label%1").arg(k).toLatin1().constData())->text(); }

    // A draw and a selections file on show, with the "Maintain Entries" frame open.
    void showDrawAndSelections()
    {
        dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
        dir.write(QStringLiteral("UK05061999.lot"),
                  entryRecord(Key, {1, 5, 12, 23, 30, 41}) + entryRecord(Key, {2, 6, 13, 24, 31, 42}));
        start();
        chooseDraw(5, 6, 1999);
        chooseSelections(5, 6, 1999);
        click(&w(), "Command3"); // "Maintain"
        w().ui().List1->addItem(QStringLiteral("a winning line"));
        ASSERT_EQ(caption(5), " 3");
        ASSERT_EQ(lines(w().ui().List2).size(), 2);
        ASSERT_EQ(state.entryCount, 2);
        ASSERT_FALSE(hidden(mainChild("Frame4")));
        ASSERT_FALSE(hidden(mainChild("Command11")));
        ASSERT_FALSE(mainChild("Command2")->isEnabled());
        fakes.dialogs.clear();
    }
};

TEST_F(FileDeletionTest, WindowControls)
{
    dir.write(QStringLiteral("a.lot"), "x");
    start();
    fileMaintenance();
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(form()->windowTitle(), "File Deletion");
    EXPECT_EQ(child<QLabel>(form(), "Label1")->text(),
              "Click on the file you want to delete and use the Delete command.");
    auto *del = child<QAbstractButton>(form(), "Command3");
    auto *close = child<QAbstractButton>(form(), "Command1");
    EXPECT_EQ(del->text(), "Delete");
    EXPECT_EQ(del->toolTip(), "Use this to delete the selected file.");
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->toolTip(), "Closes the file deletion form.");
    EXPECT_EQ(fakes.dialogs.questions, QStringList{CloseAll});
    closeForm();
}

TEST_F(FileDeletionTest, NoToTheFirstQuestionChangesNothing)
{
    showDrawAndSelections();
    fileMaintenance(false);
    EXPECT_EQ(fakes.dialogs.log, QStringList{q(CloseAll)});
    EXPECT_EQ(form(), nullptr);
    EXPECT_TRUE(w().isEnabled());
    EXPECT_EQ(lines(w().ui().List2).size(), 2);
    EXPECT_EQ(lines(w().ui().List1), QStringList{"a winning line"});
    EXPECT_EQ(w().ui().Text1->text(), "5/6/1999");
    EXPECT_EQ(w().ui().Text2->text(), "5/6/1999");
    EXPECT_EQ(w().ui().Text3->text(), "2");
    EXPECT_FALSE(hidden(mainChild("Shape1")));
    EXPECT_FALSE(hidden(mainChild("Label5")));
    EXPECT_EQ(caption(5), " 3");
    EXPECT_FALSE(hidden(mainChild("Frame4")));
    EXPECT_FALSE(hidden(mainChild("Command11")));
    EXPECT_EQ(state.entryCount, 2);
    EXPECT_EQ(state.currentEntryFile, dir.file(QStringLiteral("UK05061999.lot")));
    EXPECT_TRUE(dir.exists(QStringLiteral("UK05061999.lot")));
}

TEST_F(FileDeletionTest, MainWindowDropsWhatItShowsThenCloseEmptiesTheCaptions)
{
    showDrawAndSelections();
    w().ui().Command3->hide();
    fileMaintenance();

    EXPECT_FALSE(w().isEnabled());
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(form()->isVisible());
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(hidden(mainChild(QStringLiteral("Shape%1").arg(k).toLatin1().constData()))) << k;
        EXPECT_TRUE(hidden(mainChild(QStringLiteral("Label%1").arg(k + 4).toLatin1().constData()))) << k;
    }
    EXPECT_EQ(w().ui().List2->count(), 0);
    EXPECT_EQ(w().ui().List1->count(), 0);
    EXPECT_TRUE(w().ui().Text1->text().isEmpty());
    EXPECT_TRUE(w().ui().Text2->text().isEmpty());
    EXPECT_TRUE(w().ui().Text3->text().isEmpty());
    EXPECT_TRUE(hidden(mainChild("Command11")));
    EXPECT_FALSE(hidden(mainChild("Command3")));
    EXPECT_TRUE(hidden(mainChild("Frame4")));
    EXPECT_EQ(state.entryCount, 0);
    EXPECT_TRUE(state.currentEntryFile.isEmpty());
    EXPECT_EQ(caption(5), " 3"); // captions go on Close
    EXPECT_FALSE(mainChild("Command2")->isEnabled());
    EXPECT_EQ(listed(), QStringList{"UK05061999.lot"});

    closeForm();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());
    EXPECT_TRUE(mainChild("Command2")->isEnabled());
    for (int k = 5; k <= 11; ++k)
        EXPECT_TRUE(caption(k).isEmpty()) << k;
    EXPECT_EQ(fakes.dialogs.log, QStringList{q(CloseAll)});
    EXPECT_TRUE(dir.exists(QStringLiteral("UK05061999.lot")));
}

TEST_F(FileDeletionTest, OnlyEntryAndResultFilesAreListed)
{
    for (const char *name : {"UK.exe", "IR.exe", "thresult.exe", "prnt.dat", "weblinks.dat", "J6.dat",
                             "UK05061999.lot", "OLD.LOT", "x.RES", "a.lot", "lot", "b.lotx", ".hidden.lot"})
        dir.write(QString::fromLatin1(name), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.lot"));
    start();
    fileMaintenance();
    EXPECT_EQ(listed(), (QStringList{"a.lot", "OLD.LOT", "UK05061999.lot", "x.RES"}));
    closeForm();
}

TEST_F(FileDeletionTest, TwoSelectionsFilesInOneVisitAskOnceAndAgainAfterReopening)
{
    for (const char *name : {"UK01011999.lot", "UK02011999.lot", "UK03011999.lot"})
        dir.write(QString::fromLatin1(name), entryRecord("01011999", {1, 2, 3, 4, 5, 6}));
    start();
    fileMaintenance();
    remove(QStringLiteral("UK01011999.lot"), true);
    EXPECT_FALSE(dir.exists(QStringLiteral("UK01011999.lot")));
    EXPECT_EQ(listed(), (QStringList{"UK02011999.lot", "UK03011999.lot"}));
    remove(QStringLiteral("UK02011999.lot"));
    EXPECT_FALSE(dir.exists(QStringLiteral("UK02011999.lot")));
    EXPECT_EQ(listed(), QStringList{"UK03011999.lot"});
    EXPECT_EQ(fakes.dialogs.log, (QStringList{q(CloseAll), q(SelectionQuestion)}));
    closeForm();

    fileMaintenance();
    remove(QStringLiteral("UK03011999.lot"), true);
    EXPECT_FALSE(dir.exists(QStringLiteral("UK03011999.lot")));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(fakes.dialogs.log,
              (QStringList{q(CloseAll), q(SelectionQuestion), q(CloseAll), q(SelectionQuestion)}));
    closeForm();
}

TEST_F(FileDeletionTest, NoLeavesTheFileAndTheNextDeletionAsksAgain)
{
    dir.write(QStringLiteral("a.lot"), "x");
    dir.write(QStringLiteral("b.lot"), "x");
    start();
    fileMaintenance();
    remove(QStringLiteral("a.lot"), false);
    EXPECT_TRUE(dir.exists(QStringLiteral("a.lot")));
    EXPECT_EQ(listed(), (QStringList{"a.lot", "b.lot"}));
    remove(QStringLiteral("a.lot"), true);
    EXPECT_FALSE(dir.exists(QStringLiteral("a.lot")));
    remove(QStringLiteral("b.lot"));
    EXPECT_FALSE(dir.exists(QStringLiteral("b.lot")));
    EXPECT_EQ(fakes.dialogs.log,
              (QStringList{q(CloseAll), q(SelectionQuestion), q(SelectionQuestion)}));
    closeForm();
}

TEST_F(FileDeletionTest, NothingSelected)
{
    dir.write(QStringLiteral("a.lot"), "x");
    dir.write(QStringLiteral("b.lot"), "x");
    start();
    fileMaintenance();
    click(form(), "Command3");
    // A current row that is not selected is no selection either.
    files()->selectionModel()->setCurrentIndex(files()->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    click(form(), "Command3");
    EXPECT_TRUE(dir.exists(QStringLiteral("a.lot")));
    // After a deletion the refreshed list holds no selection.
    remove(QStringLiteral("b.lot"), true);
    click(form(), "Command3");
    EXPECT_TRUE(dir.exists(QStringLiteral("a.lot")));
    EXPECT_EQ(fakes.dialogs.log, (QStringList{q(CloseAll), m(NothingSelected), m(NothingSelected),
                                              q(SelectionQuestion), m(NothingSelected)}));
    closeForm();
}

TEST_F(FileDeletionTest, ResultsFileBranchEmptiesTheBallCaptions)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    dir.write(QStringLiteral("old.exe.lot"), "x");
    dir.write(QStringLiteral("new.exe.res"), "x");
    dir.write(QStringLiteral("OLD.EXE.lot"), "x");
    start();
    chooseDraw(5, 6, 1999);
    fileMaintenance();
    EXPECT_EQ(caption(5), " 3");
    remove(QStringLiteral("old.exe.lot"), true);
    EXPECT_FALSE(dir.exists(QStringLiteral("old.exe.lot")));
    for (int k = 5; k <= 11; ++k)
        EXPECT_TRUE(caption(k).isEmpty()) << k;
    remove(QStringLiteral("new.exe.res"));
    EXPECT_FALSE(dir.exists(QStringLiteral("new.exe.res")));
    // The search is case-sensitive: an upper-case ".EXE" is a selections file,
    // whose own confirmation has not been given yet.
    remove(QStringLiteral("OLD.EXE.lot"), true);
    EXPECT_FALSE(dir.exists(QStringLiteral("OLD.EXE.lot")));
    EXPECT_EQ(fakes.dialogs.log, (QStringList{q(CloseAll), q(ResultsQuestion), q(SelectionQuestion)}));
    EXPECT_TRUE(dir.exists(QStringLiteral("UK.exe")));
    closeForm();
}

TEST_F(FileDeletionTest, NoToTheResultsQuestionKeepsTheCaptions)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    dir.write(QStringLiteral("old.exe.lot"), "x");
    start();
    chooseDraw(5, 6, 1999);
    fileMaintenance();
    remove(QStringLiteral("old.exe.lot"), false);
    EXPECT_TRUE(dir.exists(QStringLiteral("old.exe.lot")));
    EXPECT_EQ(caption(5), " 3");
    closeForm();
}

TEST_F(FileDeletionTest, VanishedFileCannotBeDeletedAndTheFlagStaysClear)
{
    dir.write(QStringLiteral("a.lot"), "x");
    dir.write(QStringLiteral("b.lot"), "x");
    start();
    fileMaintenance();
    ASSERT_EQ(listed(), (QStringList{"a.lot", "b.lot"}));
    QFile::remove(dir.file(QStringLiteral("a.lot")));
    remove(QStringLiteral("a.lot"), true);
    EXPECT_EQ(listed(), (QStringList{"a.lot", "b.lot"})); // not refreshed
    EXPECT_EQ(files()->selectedItems().size(), 1);
    remove(QStringLiteral("b.lot"), true); // asks again: the failed deletion set nothing
    EXPECT_FALSE(dir.exists(QStringLiteral("b.lot")));
    EXPECT_EQ(fakes.dialogs.log,
              (QStringList{q(CloseAll), q(SelectionQuestion), m(CannotDelete), q(SelectionQuestion)}));
    closeForm();
}

TEST_F(FileDeletionTest, FailureKeepsAFlagAlreadySet)
{
    dir.write(QStringLiteral("a.lot"), "x");
    dir.write(QStringLiteral("b.lot"), "x");
    dir.write(QStringLiteral("c.lot"), "x");
    start();
    fileMaintenance();
    remove(QStringLiteral("a.lot"), true);
    QFile::remove(dir.file(QStringLiteral("b.lot")));
    remove(QStringLiteral("b.lot"));
    EXPECT_EQ(listed(), (QStringList{"b.lot", "c.lot"}));
    remove(QStringLiteral("c.lot"));
    EXPECT_FALSE(dir.exists(QStringLiteral("c.lot")));
    EXPECT_EQ(fakes.dialogs.log, (QStringList{q(CloseAll), q(SelectionQuestion), m(CannotDelete)}));
    closeForm();
}

TEST_F(FileDeletionTest, ReadOnlyFileCannotBeDeleted)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    dir.write(QStringLiteral("keep.exe.lot"), "x");
    QFile::setPermissions(dir.file(QStringLiteral("keep.exe.lot")),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    start();
    chooseDraw(5, 6, 1999);
    fileMaintenance();
    remove(QStringLiteral("keep.exe.lot"), true);
    EXPECT_TRUE(dir.exists(QStringLiteral("keep.exe.lot")));
    EXPECT_EQ(caption(5), " 3"); // nothing deleted, nothing emptied
    EXPECT_EQ(fakes.dialogs.log, (QStringList{q(CloseAll), q(ResultsQuestion), m(CannotDelete)}));
    closeForm();
    QFile::setPermissions(dir.file(QStringLiteral("keep.exe.lot")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(FileDeletionTest, EscapeAndTitleBarCloseTakeTheClosePath)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    chooseDraw(5, 6, 1999);
    w().ui().Command2->setEnabled(false);
    fileMaintenance();
    QTest::keyClick(form(), Qt::Key_Escape);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());
    EXPECT_TRUE(w().ui().Command2->isEnabled());
    EXPECT_TRUE(caption(5).isEmpty());

    chooseDraw(5, 6, 1999);
    EXPECT_EQ(caption(5), " 3");
    fileMaintenance();
    EXPECT_FALSE(w().isEnabled());
    form()->close();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());
    EXPECT_TRUE(caption(5).isEmpty());
}

TEST_F(FileDeletionTest, ReopeningRefreshesTheList)
{
    dir.write(QStringLiteral("a.lot"), "x");
    start();
    fileMaintenance();
    EXPECT_EQ(listed(), QStringList{"a.lot"});
    closeForm();
    dir.write(QStringLiteral("b.res"), "x");
    fileMaintenance();
    EXPECT_EQ(listed(), (QStringList{"a.lot", "b.res"}));
    EXPECT_TRUE(files()->selectedItems().isEmpty());
    closeForm();
}
