#include "core/BaseSchema.h"
#include "support/LogDb.h"
#include "support/TempDb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

using namespace std::chrono_literals;

// Whether the signal is set in a mask line of the process's status ("SigCgt:", "SigBlk:").
bool InMask(pid_t pid, const QByteArray &mask, int sig)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(mask))
            return (line.mid(mask.size()).trimmed().toULongLong(nullptr, 16) >> (sig - 1)) & 1;
    return false;
}

// Whether the process catches the signal now (its handler is installed).
bool Catches(pid_t pid, int sig)
{
    return InMask(pid, "SigCgt:", sig);
}

// Whether the main thread holds the signal back (the program blocks it until the log is open).
bool Blocks(pid_t pid, int sig)
{
    return InMask(pid, "SigBlk:", sig);
}

struct Ending {
    bool ended = false;
    bool caughtBeforeSignal = false;
    int status = 0;
};

// Starts the program with every signal at its default; 0 when it cannot start.
pid_t StartProgram()
{
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char program[] = QUARN_PROGRAM;
    char *argv[] = {program, nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program, nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    return rc == 0 ? pid : 0;
}

// Sends the signal and waits up to 8 s for the program's end.
Ending SignalAndWait(pid_t pid, int sig)
{
    Ending e;
    e.caughtBeforeSignal = Catches(pid, sig);
    kill(pid, sig);
    const auto deadline = std::chrono::steady_clock::now() + 8s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &e.status, WNOHANG) == pid) {
            e.ended = true;
            return e;
        }
        std::this_thread::sleep_for(5ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &e.status, 0);
    return e;
}

// Starts the program, sends the signal after the delay and waits for its end.
Ending StartAndSignal(std::chrono::milliseconds delay, int sig)
{
    const pid_t pid = StartProgram();
    if (pid == 0)
        return Ending();
    std::this_thread::sleep_for(delay);
    return SignalAndWait(pid, sig);
}

}

// From the first milliseconds on, through the opening of the log, to the
// running window: the program always ends within seconds and never by a crash;
// once it catches the signal, it ends normally with exit code 0.
TEST(Termination, ASignalAtAnyMomentOfStartUpEndsTheProgramInOrder)
{
    TempLogDb db;
    QTemporaryDir config, lock;
    qputenv("QUARN_DATABASE", QFile::encodeName(db.Path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lock.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");

    struct Case {
        int ms;
        int sig;
    };
    const Case cases[] = {{0, SIGTERM},  {1, SIGTERM},   {3, SIGTERM},   {10, SIGTERM},   {20, SIGINT},
                          {40, SIGTERM}, {70, SIGHUP},   {100, SIGTERM}, {150, SIGTERM},  {200, SIGTERM},
                          {300, SIGINT}, {450, SIGTERM}, {700, SIGHUP},  {1000, SIGTERM}, {2500, SIGTERM}};
    int caughtRuns = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "signal " << c.sig << " after " << c.ms << " ms");
        const Ending e = StartAndSignal(std::chrono::milliseconds(c.ms), c.sig);
        ASSERT_TRUE(e.ended) << "still running 8 s after the signal";
        if (WIFSIGNALED(e.status)) {
            EXPECT_EQ(WTERMSIG(e.status), c.sig) << "ended by another signal: a crash";
            EXPECT_FALSE(e.caughtBeforeSignal) << "its handler was installed, yet the signal killed it";
        } else {
            ASSERT_TRUE(WIFEXITED(e.status));
            EXPECT_EQ(WEXITSTATUS(e.status), 0);
        }
        caughtRuns += e.caughtBeforeSignal;
    }
    EXPECT_GE(caughtRuns, 3); // the later moments really reached a started program

    qunsetenv("QUARN_DATABASE");
}

// The connection-failure box waits for the user; a signal closes it and the
// program ends normally.
TEST(Termination, ASignalWhileTheConnectionFailureBoxIsShownEndsTheProgram)
{
    QTemporaryDir config, lock, missing;
    qputenv("QUARN_DATABASE", QFile::encodeName(missing.filePath(QStringLiteral("brak/Log.dat"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lock.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const Ending e = StartAndSignal(std::chrono::milliseconds(1500), SIGTERM);
    qunsetenv("QUARN_DATABASE");
    ASSERT_TRUE(e.ended) << "still running 8 s after the signal";
    ASSERT_TRUE(WIFEXITED(e.status));
    EXPECT_EQ(WEXITSTATUS(e.status), 0);
}

// The log on a Firebird server (the one ./test.sh starts), the program's
// attachment ended on the server (as an administrator, a server restart or a
// network cut would), then a termination signal: the program ends normally,
// exit code 0, instead of aborting on the failed last commit.
TEST(Termination, ASignalAfterTheServerEndedTheConnectionEndsTheProgramInOrder)
{
    QUARN_TEST_SERVER_OR_SKIP(server);
    ServerDb log(*server, [](FbDatabase &db) { BaseSchema::Create(db); });
    ServerCredentials credentials(*server);
    QTemporaryDir config, lock;
    QDir(config.path()).mkpath(QStringLiteral("Dovren"));
    QFile ini(config.filePath(QStringLiteral("Dovren/Quarn.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Software]\nDovren\\Quarn\\OwnCallSign=SP5QRN\n");
    ini.close();
    qputenv("QUARN_DATABASE", log.Name().toUtf8());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lock.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const pid_t pid = StartProgram();
    qunsetenv("QUARN_DATABASE");
    ASSERT_NE(pid, 0);

    // Up and running: attached, and taking termination signals, which the
    // program holds back until its log is open.
    std::vector<long> attachments;
    const auto running = [&] {
        return !attachments.empty() && Catches(pid, SIGTERM) && !Blocks(pid, SIGTERM);
    };
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
        attachments = AttachmentsOfProcess(*server, log.Name(), pid);
        if (running())
            break;
        std::this_thread::sleep_for(50ms);
    }
    if (!running()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "the program did not open its log on the server within 20 s";
    }
    std::this_thread::sleep_for(500ms); // the window shown and activated
    for (long id : attachments)
        EndAttachment(*server, log.Name(), id);
    ASSERT_TRUE(AttachmentsOfProcess(*server, log.Name(), pid).empty()) << "the server kept the attachment";
    std::this_thread::sleep_for(300ms);

    const Ending e = SignalAndWait(pid, SIGTERM);
    ASSERT_TRUE(e.ended) << "still running 8 s after the signal";
    ASSERT_TRUE(WIFEXITED(e.status)) << "ended by signal "
                                     << (WIFSIGNALED(e.status) ? WTERMSIG(e.status) : 0);
    EXPECT_EQ(WEXITSTATUS(e.status), 0);
}
