// A settings file that cannot be read at start or written at close.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "settings/dialog_settings.h"
#include "settings/errors.h"
#include "tests/settings/fake_controls.h"
#include "tests/settings/real_files.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

using settings::EFCreateError;
using settings::EFOpenError;
using settings::EWriteError;
using settings::load_settings;
using settings::save_settings;
using settings_test::FakeControls;
using settings_test::NativeFileSystem;
using settings_test::read_bytes;
using settings_test::store_for;
using settings_test::TemporaryDirectory;
using settings_test::write_bytes;
using dialog::Edit;

const std::string old_file = "[ymsz]\r\nleft=3\r\n\r\n";

// Runs f, which must throw E, and gives the message.
template <typename E, typename F>
std::string message_of(F f)
{
    try {
        f();
    } catch (const E& error) {
        return error.what();
    }
    ADD_FAILURE() << "nothing was thrown";
    return {};
}

class FileFailures : public testing::Test {
protected:
    TemporaryDirectory directory;
    std::string path = directory.file("system.ini");
};

TEST_F(FileFailures, AFileThatCannotBeOpenedLeavesEveryControlWithItsBuiltInValue)
{
    std::filesystem::create_directory(path);
    settings::IniStore store = store_for(path);
    FakeControls controls;

    const std::string message = message_of<EFOpenError>([&] { load_settings(store, controls); });
#ifndef _WIN32
    EXPECT_EQ(message, "Cannot open file \"" + path + "\". Is a directory");
#else
    EXPECT_TRUE(message.starts_with("Cannot open file \"" + path + "\". ")) << message;
#endif
    EXPECT_EQ(controls.values_set, 0);
    EXPECT_EQ(controls.edits.at(Edit::ymszLeft), "2.5");
}

TEST_F(FileFailures, AStoreThatCouldNotBeOpenedTriesAgainAtEveryClose)
{
    std::filesystem::create_directory(path);
    settings::IniStore store = store_for(path);
    FakeControls controls;
    EXPECT_THROW(load_settings(store, controls), EFOpenError);
    controls.edits.at(Edit::ymszLeft) = "3";

    EXPECT_THROW(save_settings(store, controls), EFOpenError);
    EXPECT_THROW(save_settings(store, controls), EFOpenError);

    std::filesystem::remove(path);
    save_settings(store, controls);
    EXPECT_TRUE(read_bytes(path).starts_with("[wb]\r\nduanqian=1\r\ntshr=1\r\nwbkh=1\r\nzhyh=1\r\n\r\n[ymsz]\r\nleft=3\r\n"));
}

TEST_F(FileFailures, AStoreThatCouldNotBeOpenedReadsTheFileWhenItCanAtClose)
{
    std::filesystem::create_directory(path);
    settings::IniStore store = store_for(path);
    FakeControls controls;
    EXPECT_THROW(load_settings(store, controls), EFOpenError);

    std::filesystem::remove(path);
    write_bytes(path, "[mine]\r\nkey=1\r\n");
    save_settings(store, controls);
    EXPECT_TRUE(read_bytes(path).starts_with("[mine]\r\nkey=1\r\n\r\n[wb]\r\n"));
}

#ifndef _WIN32
TEST_F(FileFailures, AFileWithoutReadPermissionCannotBeOpened)
{
    write_bytes(path, old_file);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (std::ifstream(path).is_open()) GTEST_SKIP() << "this user reads any file";

    settings::IniStore store = store_for(path);
    FakeControls controls;
    EXPECT_EQ(message_of<EFOpenError>([&] { load_settings(store, controls); }),
              "Cannot open file \"" + path + "\". Permission denied");
}
#endif

TEST_F(FileFailures, AFileThatCannotBeCreatedStopsTheSaveAndEveryLaterCloseTriesAgain)
{
    const std::string missing_directory = directory.file("gone");
    path = missing_directory + "/system.ini";
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);

    const std::string message = message_of<EFCreateError>([&] { save_settings(store, controls); });
#ifndef _WIN32
    EXPECT_EQ(message, "Cannot create file \"" + path + "\". No such file or directory");
#else
    EXPECT_TRUE(message.starts_with("Cannot create file \"" + path + "\". ")) << message;
#endif
    EXPECT_THROW(save_settings(store, controls), EFCreateError);

    std::filesystem::create_directory(missing_directory);
    save_settings(store, controls);
    EXPECT_EQ(read_bytes(path).substr(0, 6), "[wb]\r\n");
}

#ifndef _WIN32
TEST_F(FileFailures, AReadOnlyFileIsNotReplaced)
{
    write_bytes(path, old_file);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (std::ofstream(path, std::ios::app).is_open()) GTEST_SKIP() << "this user writes any file";

    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    EXPECT_EQ(message_of<EFCreateError>([&] { save_settings(store, controls); }),
              "Cannot create file \"" + path + "\". Permission denied");
    EXPECT_EQ(read_bytes(path), old_file);
}

// A folder where nobody may create files: read-only for its owner, and
// immutable where chattr can make it so (root writes any folder otherwise).
class NoNewFilesIn {
public:
    explicit NoNewFilesIn(const std::filesystem::path& folder) : folder_(folder)
    {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        if (creates_files()) immutable_ = std::system(("chattr +i '" + folder_.string() + "' 2>/dev/null").c_str()) == 0;
    }
    ~NoNewFilesIn()
    {
        if (immutable_) (void)std::system(("chattr -i '" + folder_.string() + "'").c_str());
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    }
    NoNewFilesIn(const NoNewFilesIn&) = delete;
    NoNewFilesIn& operator=(const NoNewFilesIn&) = delete;

    bool creates_files() const
    {
        const auto probe = folder_ / "probe";
        const bool created = std::ofstream(probe).is_open();
        if (created) std::filesystem::remove(probe);
        return created;
    }

private:
    std::filesystem::path folder_;
    bool immutable_ = false;
};

TEST_F(FileFailures, AFolderWithoutCreateRightsGetsItsFileRewrittenInPlaceOrNone)
{
    write_bytes(path, old_file);
    {
        NoNewFilesIn folder(directory.path());
        if (folder.creates_files()) GTEST_SKIP() << "this user creates files in any folder";

        settings::IniStore store = store_for(path);
        FakeControls controls;
        load_settings(store, controls);
        controls.set_edit_text(Edit::ymszLeft, "4");
        save_settings(store, controls);
        EXPECT_TRUE(read_bytes(path).starts_with("[ymsz]\r\nleft=4\r\n")) << read_bytes(path);
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    }
    // Without a file to rewrite, nothing can be saved there.
    std::filesystem::remove(path);
    NoNewFilesIn folder(directory.path());
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    EXPECT_THROW(save_settings(store, controls), EFCreateError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A file may grow no further than the limit; writing past it fails as a
// full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_handler_)(int) = nullptr;
};

TEST_F(FileFailures, AWriteThatRunsOutOfSpaceIsAStreamWriteErrorAndTheOldFileStaysWhole)
{
    write_bytes(path, old_file);
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    controls.edits.at(Edit::ymszLeft) = "4";

    std::string message;
    {
        const FileSizeLimit limit(40);
        message = message_of<EWriteError>([&] { save_settings(store, controls); });
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(read_bytes(path), old_file);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    save_settings(store, controls);
    EXPECT_TRUE(read_bytes(path).starts_with("[ymsz]\r\nleft=4\r\n"));
}
#endif

struct PowerLoss {};

// Stops a save after the complete new content is in the temporary file,
// just before it takes the old file's place.
class FileSystemThatLosesPower : public NativeFileSystem {
public:
    std::string temporary_content;

protected:
    void move_into_place(const std::string& temporary, const std::string&) override
    {
        temporary_content = read_bytes(temporary);
        throw PowerLoss{};
    }
};

TEST_F(FileFailures, ASaveInterruptedAfterTheTemporaryFileIsWrittenLeavesTheOldFileWhole)
{
    write_bytes(path, old_file);
    auto file_system = std::make_unique<FileSystemThatLosesPower>();
    FileSystemThatLosesPower& power = *file_system;
    settings::IniStore store(std::move(file_system), settings_test::code_page_936());
    store.set_path(path);
    FakeControls controls;
    load_settings(store, controls);
    controls.edits.at(Edit::ymszLeft) = "4";

    EXPECT_THROW(save_settings(store, controls), PowerLoss);
    EXPECT_TRUE(power.temporary_content.starts_with("[ymsz]\r\nleft=4\r\n"));
    EXPECT_EQ(read_bytes(path), old_file);

    const FakeControls restarted = [&] {
        settings::IniStore fresh = store_for(path);
        FakeControls loaded;
        load_settings(fresh, loaded);
        return loaded;
    }();
    EXPECT_EQ(restarted.edits.at(Edit::ymszLeft), "3");
}

TEST_F(FileFailures, ATemporaryFileLeftByACrashDoesNotStopTheNextSave)
{
    write_bytes(path, old_file);
    write_bytes(path + ".tmp", "[half");
    settings::IniStore store = store_for(path);
    FakeControls controls;
    load_settings(store, controls);
    save_settings(store, controls);
    EXPECT_TRUE(read_bytes(path).starts_with("[ymsz]\r\nleft=3\r\nright=2.5\r\n"));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

}  // namespace
