#pragma once
// The new-project wizard: the project's name and folder, its panel model,
// and the protocol of each of the model's ports. Finish runs the project
// module's finish sequence.
#include <QWizard>
#include <QWizardPage>
#include <array>
#include <filesystem>
#include <functional>

#include "hardware/HardwareModel.h"
#include "project/NewProject.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QLabel;
class QTabWidget;

namespace balsar {
class CMirloDoc;
class HardwareModelList;
class DesignerSession;
} // namespace balsar

namespace balsar::dialogs {

class PortPageWidget;

// "新建工程向导-工程名称".
class NamePage : public QWizardPage {
    Q_OBJECT
public:
    NamePage(const std::filesystem::path& parentFolder, QWidget* parent = nullptr);
    // Next and Finish only with a name that is not blank.
    bool isComplete() const override;

    std::string Name() const;
    const std::filesystem::path& ParentFolder() const { return m_parent; }
    void SetParentFolder(const std::filesystem::path& folder);
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* LocationEdit() const { return m_location; }
    QPushButton* BrowseButton() const { return m_browse; }
    // The folder chooser; a platform dialog when unset.
    std::function<QString(const QString& start)> chooseFolder;

private:
    void ShowLocation();

    std::filesystem::path m_parent;
    QLineEdit* m_name;
    QLineEdit* m_location;
    QPushButton* m_browse;
};

// "新建工程向导-选择文本类型".
class ModelPage : public QWizardPage {
    Q_OBJECT
public:
    // models: a loaded list (DesignerSession::Models).
    ModelPage(const HardwareModelList& models, MessageSink& sink, QWidget* parent = nullptr);
    int ModelIndex() const;
    const HardwareModel& Model() const { return m_model; }
    QListWidget* List() const { return m_list; }
    QLabel* Description() const { return m_description; }

private:
    void ShowModel(int row);

    const HardwareModelList& m_models;
    MessageSink& m_sink;
    HardwareModel m_model;
    QListWidget* m_list;
    QLabel* m_description;
};

// "新建工程向导-选择通讯协议": one page per port of the chosen model.
class ProtocolPage : public QWizardPage {
    Q_OBJECT
public:
    ProtocolPage(const ModelPage& models, DesignerSession& session, QWidget* parent = nullptr);
    // The pages of the chosen model's ports; going back drops them.
    void initializePage() override;
    void cleanupPage() override;
    // The ports as the pages set them.
    PortSettings Ports();
    QTabWidget* Tabs() const { return m_tabs; }
    PortPageWidget* SerialPage(int port) const { return m_pages[static_cast<size_t>(port)]; }

private:
    const ModelPage& m_models;
    DesignerSession& m_session;
    QTabWidget* m_tabs;
    std::array<PortPageWidget*, 3> m_pages{};
};

class NewProjectWizard : public QWizard {
    Q_OBJECT
public:
    // The name page starts at `parentFolder`, the folder the project's own
    // folder will be made in.
    NewProjectWizard(CMirloDoc& doc, DesignerSession& session, const std::filesystem::path& parentFolder,
                     QWidget* parent = nullptr);

    // What Finish hands to the finish sequence.
    NewProjectRequest Request();
    // Runs the finish sequence; the wizard stays open when it refuses.
    void accept() override;

    NamePage* Names() const { return m_namePage; }
    ModelPage* Models() const { return m_modelPage; }
    ProtocolPage* Protocols() const { return m_protocolPage; }

private:
    CMirloDoc& m_doc;
    DesignerSession& m_session;
    NamePage* m_namePage;
    ModelPage* m_modelPage;
    ProtocolPage* m_protocolPage;
};

// Runs the wizard starting at `parentFolder`; true when a project was
// created and opened.
bool ShowNewProjectWizard(QWidget* parent, CMirloDoc& doc, DesignerSession& session,
                          const std::filesystem::path& parentFolder);

} // namespace balsar::dialogs
