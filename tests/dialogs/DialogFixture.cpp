#include "DialogFixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "project/PortSettingsChange.h"

namespace balsar::test {

DialogFixture::DialogFixture() {
    auto project = doc.CreateProject();
    project->SetProjectPath(folder.File("demo.ZPJ"));
    EXPECT_FALSE(session.Models().Entries().empty());
    project->panelModelId = session.Models().Entries().front().id;
    doc.SetProject(std::move(project));
    EXPECT_TRUE(session.Activate(Project()));
    sink.Clear();
}

DialogFixture::~DialogFixture() = default;

void DialogFixture::EnablePort0() {
    CPortCom& port = *Project().GetPort(0);
    port.enabled = 1;
    port.protocolId = 1;
    session.ReloadPortProtocols(Project());
}

void Choose(QComboBox* box, int row) {
    ASSERT_TRUE(box->isEnabled());
    ASSERT_GE(row, 0);
    ASSERT_LT(row, box->count());
    box->setCurrentIndex(row);
    emit box->activated(row);
}

void Choose(QComboBox* box, const QString& text) {
    const int row = box->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    Choose(box, row);
}

void Click(QWidget* widget) {
    ASSERT_TRUE(widget->isEnabled());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // The button's own click: the press and release a user makes.
        button->click();
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void TypeInto(QWidget* edit, const QString& text) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    ASSERT_NE(line, nullptr);
    line->setFocus();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
    emit line->editingFinished();
}

} // namespace balsar::test
