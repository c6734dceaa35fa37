// A process killed at random points while it stores and deletes draws and
// entries: every file holds what it held before or after the cut-off action.
#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ds;

namespace {

const QString History = QStringLiteral("UK.exe");
const QString Entries = QStringLiteral("UK05061999.lot");

// Action i of the endless sequence the child runs (and the parent replays):
// store a draw, append an entry, delete the draw stored two actions before,
// delete the first entry. False when the action failed.
bool act(const QString &folder, int i)
{
    const QString history = folder + QLatin1Char('/') + History;
    const QString entries = folder + QLatin1Char('/') + Entries;
    const int round = i / 4;
    const QString key = QStringLiteral("%1%2%3")
                            .arg(1 + round % 28, 2, 10, QLatin1Char('0'))
                            .arg(1 + round / 28 % 12, 2, 10, QLatin1Char('0'))
                            .arg(1995 + round / 336);
    switch (i % 4) {
    case 0:
        return storeDraw(history, Draw::make(key, {1, 2, 3, 4, 5, qint16(6 + round % 40)}, 7)) == StoreResult::Stored;
    case 1: {
        const auto listed = entryfile::load(entries);
        Entry e;
        e.date = QByteArray("05061999");
        e.n = {qint16(1 + round % 40), 41, 42, 43, 44, 45};
        return listed.usable() && entryfile::writeAt(entries, int(listed.value.size()) + 1, e);
    }
    case 2: {
        DrawHistory h;
        return usable(h.load(history)) && h.remove(key) && h.save(history);
    }
    default:
        return entryfile::deleteAt(entries, 0, int(entryfile::load(entries).value.size())).value;
    }
}

} // namespace

TEST(CrashSafety, EveryFileIsBeforeOrAfterTheInterruptedAction)
{
    // A long history, so that a good share of the kills land in a write.
    const QByteArray initialHistory = dstest::syntheticHistory(3000);
    QByteArray initialEntries;
    for (int i = 0; i < 200; ++i)
        initialEntries += dstest::entryRecord("05061999", {1 + i % 40, 41, 42, 43, 44, 46});

    // The child says which action it is in: started, then finished.
    auto *progress = static_cast<volatile int *>(
        mmap(nullptr, 2 * sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(progress, MAP_FAILED);
    std::mt19937 random(20261207);
    int cutShort = 0;
    auto filesOf = [](const dstest::TestFolder &dir) { return std::pair(dir.read(History), dir.read(Entries)); };
    for (int kill = 0; kill < 30; ++kill) {
        dstest::TestFolder dir;
        dir.write(History, initialHistory);
        dir.write(Entries, initialEntries);
        progress[0] = -1;
        progress[1] = -1;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                progress[0] = i;
                if (!act(dir.path(), i))
                    _exit(1);
                progress[1] = i;
            }
        }
        usleep(useconds_t(2000 + random() % 40000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "an action failed in the child, exit " << WEXITSTATUS(status);
        const int started = progress[0];
        if (started < 0)
            continue;
        if (progress[1] != started)
            ++cutShort;

        // Replay: the files before and after the action that was running.
        dstest::TestFolder replay;
        replay.write(History, initialHistory);
        replay.write(Entries, initialEntries);
        for (int i = 0; i < started; ++i)
            ASSERT_TRUE(act(replay.path(), i));
        const auto before = filesOf(replay);
        ASSERT_TRUE(act(replay.path(), started));
        const auto after = filesOf(replay);

        const auto now = filesOf(dir);
        EXPECT_TRUE(now == before || now == after)
            << "kill " << kill << " in action " << started << " left a file of neither state";
        // Beside them at most the new copy a replacement was writing when
        // the process died (named after the file it was to replace).
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            EXPECT_TRUE(name == History || name == Entries || name.startsWith(History + QLatin1Char('.'))
                        || name.startsWith(Entries + QLatin1Char('.')))
                << name.toStdString();
    }
    munmap(const_cast<int *>(progress), 2 * sizeof(int));
    // Most kills must land inside an action, or the test shows nothing.
    EXPECT_GT(cutShort, 10);
}
