#include "app/ProjectTextActions.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "app/XrefDock.h"
#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "editor/ScreenEditor.h"
#include "elements/Languages.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/LegacyImportReview.h"
#include "projecttext/MemoryMeter.h"
#include "projecttext/ProjectJson.h"
#include "projecttext/ProjectStrings.h"
#include "projecttext/StringsCsv.h"
#include "projecttext/StringsXliff.h"
#include "projecttext/TranslationFit.h"
#include "i18n/UiText.h"

namespace balsar::app {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

bool IsCsv(const QString& path) { return QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0; }

const QString kJsonFilter = i18n::Ui("工程文本 (*.json)");
const QString kStringsFilter = QStringLiteral("XLIFF 1.2 (*.xlf *.xliff);;CSV (*.csv)");

} // namespace

ProjectTextActions::ProjectTextActions(QMainWindow& window, CMirloDoc& doc, DesignerSession& session,
                                       editor::ScreenEditor& editor, const QString& projectMenuTitle,
                                       std::function<bool(const QString&)> openProject)
    : QObject(&window), m_window(window), m_doc(doc), m_session(session), m_editor(editor),
      m_openProject(std::move(openProject)) {
    m_dock = new XrefDock(doc, session, editor, &window);
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    m_memory = new QLabel(&window);
    m_memory->setObjectName(QStringLiteral("memoryPane"));
    window.statusBar()->addPermanentWidget(m_memory);

    m_exportJson = new QAction(i18n::Ui("导出为文本(JSON)..."), this);
    m_importJson = new QAction(i18n::Ui("从文本导入(JSON)..."), this);
    m_exportStrings = new QAction(i18n::Ui("导出翻译文本..."), this);
    m_importStrings = new QAction(i18n::Ui("导入翻译文本..."), this);
    m_xref = m_dock->toggleViewAction();
    m_xref->setText(i18n::Ui("地址交叉引用"));
    // Above the menu's last entry (退出), in a group of their own.
    if (QMenu* menu = FindMenu(projectMenuTitle)) {
        QAction* last = menu->actions().isEmpty() ? nullptr : menu->actions().last();
        menu->insertActions(last, {m_exportJson, m_importJson, m_exportStrings, m_importStrings, m_xref});
        menu->insertSeparator(last);
    }
    connect(m_exportJson, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(&m_window, m_exportJson->text(), QString(), kJsonFilter);
        if (!path.isEmpty()) {
            ExportJson(path);
        }
    });
    connect(m_importJson, &QAction::triggered, this, [this] {
        const QString json = QFileDialog::getOpenFileName(&m_window, m_importJson->text(), QString(), kJsonFilter);
        if (json.isEmpty()) {
            return;
        }
        const QString project = QFileDialog::getSaveFileName(&m_window, i18n::Ui("保存为工程文件"),
                                                             QFileInfo(json).path(), QStringLiteral("*.ZPJ"));
        if (!project.isEmpty()) {
            ImportJson(json, project);
        }
    });
    connect(m_exportStrings, &QAction::triggered, this, [this] {
        int language = 0;
        if (m_doc.Project() == nullptr || !AskLanguage(m_exportStrings->text(), language)) {
            return;
        }
        const QString path = QFileDialog::getSaveFileName(&m_window, m_exportStrings->text(), QString(), kStringsFilter);
        if (!path.isEmpty()) {
            ExportStrings(path, language);
        }
    });
    connect(m_importStrings, &QAction::triggered, this, [this] {
        int language = 0;
        if (m_doc.Project() == nullptr) {
            return;
        }
        const QString path = QFileDialog::getOpenFileName(&m_window, m_importStrings->text(), QString(), kStringsFilter);
        if (!path.isEmpty() && AskLanguage(m_importStrings->text(), language)) {
            ImportStrings(path, language);
        }
    });
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            m_dock->Refresh();
        }
    });
    connect(&m_editor, &editor::ScreenEditor::structureChanged, this, [this] {
        if (m_dock->isVisible()) {
            m_dock->Refresh();
        }
    });
    AfterProjectChange();
}

QMenu* ProjectTextActions::FindMenu(const QString& title) const {
    for (QAction* action : m_window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

bool ProjectTextActions::AskLanguage(const QString& title, int& language) {
    const CLangDefine& languages = m_doc.Project()->languages;
    QStringList items;
    for (int i = 0; i < languages.Count(); ++i) {
        const uint16_t id = languages.GetLangID(i);
        items << QStringLiteral("%1: %2 (0x%3)").arg(i).arg(Text(LanguageTagOfId(id))).arg(id, 4, 16, QLatin1Char('0'));
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(&m_window, title, i18n::Ui("语种:"), items,
                                                 languages.Count() > 1 ? 1 : 0, false, &ok);
    language = static_cast<int>(items.indexOf(chosen));
    return ok && language >= 0;
}

void ProjectTextActions::Warn(const QString& text) { m_session.sink.Message(text.toStdString(), MessageKind::Warning); }

bool ProjectTextActions::ExportJson(const QString& path) {
    if (m_doc.Project() == nullptr) {
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), Bytes(ExportProjectJson(*m_doc.Project())), error)) {
        Warn(path + QStringLiteral(": ") + Text(error));
        return false;
    }
    m_window.statusBar()->showMessage(path, 3000);
    return true;
}

bool ProjectTextActions::ImportJson(const QString& jsonPath, const QString& projectPath) {
    std::vector<uint8_t> bytes;
    std::string error;
    ImportedProject imported;
    if (!ReadFileBytes(jsonPath.toStdString(), bytes, error) ||
        !ImportProjectJson(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                           m_session.NewProjectLanguage(), imported, error)) {
        Warn(jsonPath + QStringLiteral(": ") + Text(error));
        return false;
    }
    Archive archive;
    archive.WriteObject(imported.project.get());
    if (!WriteFileAtomically(projectPath.toStdString(), archive.Data(), error)) {
        Warn(projectPath + QStringLiteral(": ") + Text(error));
        return false;
    }
    return m_openProject(projectPath);
}

bool ProjectTextActions::ExportStrings(const QString& path, int language) {
    if (m_doc.Project() == nullptr) {
        return false;
    }
    const ProjectTexts texts = CollectProjectTexts(*m_doc.Project(), language, m_session.PanelWidth());
    const std::string content =
        IsCsv(path) ? WriteStringsCsv(texts) : WriteStringsXliff(texts, m_doc.Project()->GetProjectName() + ".ZPJ");
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), Bytes(content), error)) {
        Warn(path + QStringLiteral(": ") + Text(error));
        return false;
    }
    m_window.statusBar()->showMessage(i18n::Ui("%1: %2 条文本").arg(path).arg(texts.texts.size()), 5000);
    return true;
}

bool ProjectTextActions::ImportStrings(const QString& path, int language) {
    CMirloProject* project = m_doc.Project();
    if (project == nullptr) {
        return false;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    std::vector<Translation> translations;
    TranslationResult result;
    bool done = ReadFileBytes(path.toStdString(), bytes, error);
    if (done) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        done = IsCsv(path) ? ReadStringsCsv(text, language, translations, error)
                           : ReadStringsXliff(text, LanguageTagOfId(project->languages.GetLangID(language)),
                                              translations, error);
    }
    if (!done || !ApplyTranslations(*project, language, translations, m_session.Fonts(), result, error)) {
        Warn(path + QStringLiteral(": ") + Text(error));
        return false;
    }
    // The texts changed outside the undo history: it starts afresh.
    m_editor.ResetView();
    m_doc.SetModifiedFlag(true);
    m_editor.Changed(true);
    QStringList lines;
    for (const std::string& warning : result.warnings) {
        lines << Text(warning);
    }
    for (const TranslationFinding& finding : CheckTranslatedTexts(*project, m_session, result.changed)) {
        lines << Text(finding.place.id + ": " + finding.message);
    }
    m_window.statusBar()->showMessage(i18n::Ui("%1 条文本已更改").arg(result.changed.size()), 5000);
    if (!lines.isEmpty()) {
        Warn(lines.join(QLatin1Char('\n')));
    }
    return true;
}

void ProjectTextActions::AfterCompile() {
    if (m_doc.Project() == nullptr) {
        m_memory->clear();
        return;
    }
    const MemoryReport report = MeasureProjectMemory(*m_doc.Project(), m_session, ProgramFolder());
    m_memory->setText(report.capacity ? i18n::Ui("存储 %1% (%2 字节)").arg(report.Percent(), 0, 'f', 1).arg(report.downloadBytes)
                                      : i18n::Ui("存储 %1 字节").arg(report.downloadBytes));
    m_memory->setToolTip(Text(MemoryText(report)));
}

void ProjectTextActions::AfterLegacyImport(const QString& xmlFile) {
    if (m_doc.Project() == nullptr) {
        return;
    }
    QStringList lines;
    for (const LegacyShortfall& shortfall : ReviewLegacyXml(xmlFile.toStdString(), m_doc.Project())) {
        lines << Text(ShortfallText(shortfall));
    }
    if (!lines.isEmpty()) {
        Warn(i18n::Ui("以下元素未能完整导入:\n") + lines.join(QLatin1Char('\n')));
    }
    AfterProjectChange();
}

void ProjectTextActions::AfterProjectChange() {
    const bool open = m_doc.Project() != nullptr;
    for (QAction* action : {m_exportJson, m_exportStrings, m_importStrings}) {
        action->setEnabled(open);
    }
    m_memory->clear();
    if (m_dock->isVisible()) {
        m_dock->Refresh();
    }
}

} // namespace balsar::app
