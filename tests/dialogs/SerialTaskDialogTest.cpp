// The upload/download task dialog: its starting values, the choices it
// hands to the serial tool, and "<<" creating a missing target file.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/SerialTaskDialog.h"

namespace balsar::dialogs {
namespace {

TEST(SerialTaskDialog, StartsAsAnUploadOfUploadDatOnCom1AndReturnsTheChoices) {
    test::DialogFixture f;
    SerialTaskDialog dialog(f.folder.Path());
    dialog.show();
    SerialTask task = dialog.Task();
    EXPECT_EQ(task.targetFile, f.folder.File("upload.dat"));
    EXPECT_FALSE(task.download);
    EXPECT_EQ(task.portIndex, 0);
    ASSERT_EQ(dialog.Port()->count(), 7);
    EXPECT_EQ(dialog.Port()->itemText(6), "com7");

    test::Click(dialog.Download());
    dialog.Port()->setCurrentIndex(2);
    const QString chosen = QString::fromStdString(f.folder.File("panel.dat"));
    ASSERT_TRUE(dialog.TakeTargetFile(chosen));
    EXPECT_TRUE(std::filesystem::exists(f.folder.File("panel.dat"))) << "a missing file is created";
    task = dialog.Task();
    EXPECT_TRUE(task.download);
    EXPECT_EQ(task.portIndex, 2);
    EXPECT_EQ(task.targetFile, f.folder.File("panel.dat"));
    // A file that cannot be created leaves the target as it was.
    EXPECT_FALSE(dialog.TakeTargetFile(QString::fromStdString(f.folder.File("no/such/folder/x.dat"))));
    EXPECT_EQ(dialog.Target()->text(), chosen);
}

} // namespace
} // namespace balsar::dialogs
