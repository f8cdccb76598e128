// When the store reads the file and when it writes it.
#include <gtest/gtest.h>

#include "settings/dialog_settings.h"
#include "settings/errors.h"
#include "tests/settings/fake_controls.h"
#include "tests/settings/real_files.h"

namespace {

using settings_test::FakeControls;
using settings_test::NativeFileSystem;
using settings_test::read_bytes;
using settings_test::store_for;
using settings_test::TemporaryDirectory;
using settings_test::write_bytes;

class CountingFileSystem : public NativeFileSystem {
public:
    int reads = 0;
    int writes = 0;

    std::optional<std::string> read_file(const std::string& path) override
    {
        ++reads;
        return NativeFileSystem::read_file(path);
    }
    void replace_file(const std::string& path, std::string_view content) override
    {
        ++writes;
        NativeFileSystem::replace_file(path, content);
    }
};

class StoreLifecycle : public testing::Test {
protected:
    TemporaryDirectory directory;
    std::string path = directory.file("system.ini");
    CountingFileSystem* files = nullptr;

    settings::IniStore counted_store()
    {
        auto counting = std::make_unique<CountingFileSystem>();
        files = counting.get();
        settings::IniStore store(std::move(counting), settings_test::code_page_936());
        store.set_path(path);
        return store;
    }
};

TEST_F(StoreLifecycle, TheFileIsReadOnceAndWrittenOncePerClose)
{
    write_bytes(path, "[ymsz]\r\nleft=3\r\n");
    settings::IniStore store = counted_store();
    FakeControls controls;
    settings::load_settings(store, controls);
    settings::save_settings(store, controls);
    settings::save_settings(store, controls);
    EXPECT_EQ(files->reads, 1);
    EXPECT_EQ(files->writes, 2);
}

TEST_F(StoreLifecycle, ChangesOnDiskAfterTheFirstReadAreNotSeen)
{
    write_bytes(path, "[ymsz]\r\nleft=3\r\n");
    settings::IniStore store = store_for(path);
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
    write_bytes(path, "[ymsz]\r\nleft=9\r\n");
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
}

TEST_F(StoreLifecycle, SettingTheSamePathAgainKeepsWhatIsInMemory)
{
    settings::IniStore store = counted_store();
    store.write_string("ymsz", "left", "3");
    store.set_path(path);
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
    EXPECT_EQ(files->reads, 1);
}

TEST_F(StoreLifecycle, AnotherPathIsReadAnew)
{
    const std::string other = directory.file("other.ini");
    write_bytes(path, "[ymsz]\r\nleft=3\r\n");
    write_bytes(other, "[ymsz]\r\nleft=4\r\n");
    settings::IniStore store = store_for(path);
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
    store.set_path(other);
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "4");
}

TEST_F(StoreLifecycle, AFailedOpenIsTriedAgainByTheNextRead)
{
    std::filesystem::create_directory(path);
    settings::IniStore store = counted_store();
    EXPECT_THROW(store.read_string("ymsz", "left", "2.5"), settings::EFOpenError);
    std::filesystem::remove(path);
    write_bytes(path, "[ymsz]\r\nleft=3\r\n");
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
    EXPECT_EQ(files->reads, 2);
}

TEST_F(StoreLifecycle, WritesStayInMemoryUntilTheFileIsUpdated)
{
    settings::IniStore store = store_for(path);
    store.write_string("ymsz", "left", "3");
    store.write_bool("wb", "tshr", false);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "3");
    EXPECT_FALSE(store.read_bool("wb", "tshr", true));

    store.update_file();
    EXPECT_EQ(read_bytes(path), "[ymsz]\r\nleft=3\r\n\r\n[wb]\r\ntshr=0\r\n\r\n");
}

TEST_F(StoreLifecycle, AKeyWithAnEmptyValueReadsAsEmptyNotAsTheDefault)
{
    write_bytes(path, "[ymsz]\r\nleft=\r\n[wb]\r\ntshr=\r\n");
    settings::IniStore store = store_for(path);
    EXPECT_EQ(store.read_string("ymsz", "left", "2.5"), "");
    EXPECT_EQ(store.read_string("ymsz", "right", "2.5"), "2.5");
    EXPECT_FALSE(store.read_bool("wb", "tshr", false));
}

TEST_F(StoreLifecycle, AStoreDestroyedWithoutUpdatingWritesNothing)
{
    {
        settings::IniStore store = store_for(path);
        store.write_string("ymsz", "left", "3");
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
