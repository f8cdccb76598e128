#include <gtest/gtest.h>

#include "settings/settings_path.h"

namespace {

using settings::path_beside;

TEST(SettingsPath, IsTheExecutablesDirectoryWithItsSeparatorAndTheFileName)
{
    EXPECT_EQ(path_beside("C:\\Program Files\\Tidyset\\Tidyset.exe", "system.ini"),
              "C:\\Program Files\\Tidyset\\system.ini");
    EXPECT_EQ(path_beside("/opt/tidyset/tidyset", "system.ini"), "/opt/tidyset/system.ini");
}

TEST(SettingsPath, ADriveAloneIsADirectory)
{
    EXPECT_EQ(path_beside("D:Tidyset.exe", "system.ini"), "D:system.ini");
}

TEST(SettingsPath, WithoutADirectoryIsTheFileNameAlone)
{
    EXPECT_EQ(path_beside("Tidyset.exe", "system.ini"), "system.ini");
}

TEST(SettingsPath, KeepsAUtf8DirectoryUnchanged)
{
    EXPECT_EQ(path_beside("C:\\报告\\Tidyset.exe", "system.ini"), "C:\\报告\\system.ini");
}

}  // namespace
