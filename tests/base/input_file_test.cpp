// Outside input opened and read within limits, and the French reasons of
// failed file operations.
#include "base/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "base/system_reason.h"

namespace ordinax::base {
namespace {

namespace fs = std::filesystem;

class InputFileTest : public ::testing::Test {
protected:
    InputFileTest() {
        std::string pattern = (fs::temp_directory_path() / "ordinax-input-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
    }
    ~InputFileTest() override { fs::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder_ + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string folder_;
};

TEST(SystemReason, EachCommonFailureHasItsSentence) {
    // The sentences a user reads after "Impossible d'enregistrer le fichier ... !".
    const struct {
        int error;
        FileAccess access;
        const char* reason;
    } cases[] = {
        {ENOSPC, FileAccess::Write, "Le disque est plein."},
        {EACCES, FileAccess::Write, "Accès refusé."},
        {EPERM, FileAccess::Read, "Accès refusé."},
        {ENOENT, FileAccess::Write, "Le dossier n'existe pas."},
        {ENOENT, FileAccess::Read, "Le fichier n'existe pas."},
        {EROFS, FileAccess::Write, "Le disque est en lecture seule."},
        {EDQUOT, FileAccess::Write, "Le quota d'espace disque est dépassé."},
        {EFBIG, FileAccess::Write, "Le fichier dépasse la taille maximale autorisée."},
        {EISDIR, FileAccess::Read, "Ce nom désigne un dossier."},
        {ENAMETOOLONG, FileAccess::Write, "Le nom du fichier est trop long."},
        {EIO, FileAccess::Write, "Erreur de lecture ou d'écriture sur le disque."},
        {ENODEV, FileAccess::Read, "Ce nom désigne un périphérique, pas un fichier."},
        {0, FileAccess::Write, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(systemReason(c.error, c.access), c.reason) << c.error;
    // Anything else still reads in French, named by its symbol.
    EXPECT_EQ(systemReason(EAGAIN, FileAccess::Read), "Erreur système EAGAIN (11).");
}

TEST(SystemReason, ReasonFollowsTheMessageAfterABlankLine) {
    const Message m = withReason(Message{9003, Heading::Error, "Impossible d'enregistrer le fichier a.orx !"},
                                 "Le disque est plein.");
    EXPECT_EQ(m.formatted(), "ERREUR\n\nImpossible d'enregistrer le fichier a.orx !\n\nLe disque est plein.");
    EXPECT_EQ(withReason(m, "").text, m.text);
}

TEST_F(InputFileTest, FifoWithoutWriterReadsAsEmptyAtOnce) {
    const std::string fifo = folder_ + "/tube";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    InputError error;
    const auto started = std::chrono::steady_clock::now();
    const std::optional<std::string> text = readTextInput(fifo, SmallTextLimits, error);
    // A blocking open would wait here for ever; a second is generous.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    ASSERT_TRUE(text) << error.reason();
    EXPECT_TRUE(text->empty());
}

TEST_F(InputFileTest, PipeNamedByPathIsReadAsItComes) {
    // What `import <(command)` hands over: a pipe named /dev/fd/N whose
    // writer is still writing when the reader opens it.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string line = "1;2\n";
    std::thread writer([fd = fds[1], &line] {
        for (int i = 0; i < 25000; ++i)
            if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) break;
        ::close(fd);
    });
    InputError error;
    const std::optional<std::string> text =
        readTextInput("/proc/self/fd/" + std::to_string(fds[0]), SmallTextLimits, error);
    writer.join();
    ::close(fds[0]);
    ASSERT_TRUE(text) << error.reason();
    EXPECT_EQ(text->size(), 25000 * line.size());
}

TEST_F(InputFileTest, DevicesAndFoldersAreRefusedWithTheirReason) {
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {"/dev/zero", "Ce nom désigne un périphérique, pas un fichier."},
        {"/dev/urandom", "Ce nom désigne un périphérique, pas un fichier."},
        {folder_, "Ce nom désigne un dossier."},
        {folder_ + "/absent.txt", "Le fichier n'existe pas."},
    };
    for (const auto& c : cases) {
        InputError error;
        EXPECT_FALSE(readTextInput(c.path, SmallTextLimits, error)) << c.path;
        EXPECT_EQ(error.reason(), c.reason) << c.path;
        EXPECT_EQ(inputFailureMessage(c.path, error).text,
                  "Impossible d'ouvrir le fichier " + c.path + " !\n\n" + c.reason);
    }
}

TEST_F(InputFileTest, LimitsStopTheReadingWithTheLineOrTheSize) {
    const TextLimits limits{1000, 100};
    const struct {
        const char* name;
        std::string bytes;
        InputStatus status;
        std::uint64_t line;
        const char* reason;
    } cases[] = {
        {"exact.txt", std::string(99, 'a') + "\n" + std::string(100, 'b'), InputStatus::Ok, 0, ""},
        {"long.txt", "ok\n" + std::string(101, 'x') + "\n", InputStatus::LineTooLong, 2,
         "La ligne 2 dépasse la longueur admise (100 caractères)."},
        {"large.txt", std::string(1001, '\n'), InputStatus::TooLarge, 0,
         "Le fichier dépasse la taille admise (1000 octets)."},
    };
    for (const auto& c : cases) {
        InputError error;
        const std::optional<std::string> text = readTextInput(write(c.name, c.bytes), limits, error);
        EXPECT_EQ(error.status, c.status) << c.name;
        EXPECT_EQ(error.line, c.line) << c.name;
        EXPECT_EQ(error.reason(), c.reason) << c.name;
        EXPECT_EQ(text.has_value(), c.status == InputStatus::Ok) << c.name;
        if (text) {
            EXPECT_EQ(*text, c.bytes);
        }
    }
}

TEST_F(InputFileTest, TenMegabyteLineIsRefusedWithoutReadingItWhole) {
    // A pipe that never ends a line: only the limit ends the reading. The
    // writer learns that the reader left from its failed write, not a signal.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::thread writer([fd = fds[1]] {
        const std::string chunk(65536, '7');
        for (std::size_t sent = 0; sent < (std::size_t{10} << 20);) {
            const ssize_t n = ::write(fd, chunk.data(), chunk.size());
            if (n <= 0) break;  // the reader went away
            sent += static_cast<std::size_t>(n);
        }
        ::close(fd);
    });
    InputError error;
    EXPECT_FALSE(readTextDescriptor(fds[0], SmallTextLimits, error));
    ::close(fds[0]);
    writer.join();
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(error.status, InputStatus::LineTooLong);
    EXPECT_EQ(error.line, 1u);
}

TEST(InputDescriptor, PipesAndTheNullDeviceAreAcceptedOtherDevicesAreNot) {
    InputError error;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    EXPECT_TRUE(checkInputDescriptor(fds[0], error));
    ::close(fds[0]);
    ::close(fds[1]);
    const int null = ::open("/dev/null", O_RDONLY);
    EXPECT_TRUE(checkInputDescriptor(null, error));
    ::close(null);
    const int zero = ::open("/dev/zero", O_RDONLY);
    EXPECT_FALSE(checkInputDescriptor(zero, error));
    EXPECT_EQ(error.status, InputStatus::NotAFile);
    ::close(zero);
}

}  // namespace
}  // namespace ordinax::base
