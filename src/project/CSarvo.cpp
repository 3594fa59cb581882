#include "project/CSarvo.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "project/SettingsStrings.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace {

std::vector<int32_t> ChildIds(const CXmlNodeWrapper& list) {
    std::vector<int32_t> ids;
    for (int i = 0; i < list.NumNodes(); ++i) {
        const CXmlNodeWrapper child = list.GetNode(i);
        if (!child.Name().empty()) {
            ids.push_back(IntAttribute(child, "ID"));
        }
    }
    return ids;
}

void SaveIds(CXmlNodeWrapper& parent, const char* listName, const char* childName, const std::vector<int32_t>& ids) {
    CXmlNodeWrapper list = parent.InsertNode(parent.NumNodes(), listName);
    for (int32_t id : ids) {
        list.InsertNode(list.NumNodes(), childName).SetValue("ID", id);
    }
}

} // namespace

bool CSarvo::XmlLoad(const CXmlNodeWrapper& node, const LegacyPlcDescription* description,
                     std::vector<uint8_t>& passwordLevels, MessageSink& sink) {
    startNum = IntAttribute(node, "StartNum");
    protectNum = IntAttribute(node, "ProtectNum");
    waitTime = IntAttribute(node, "WaitTime");
    closeLight = node.GetValue("CloseLight") == "yes";
    reportFrame = node.GetValue("ReportFrame") == "yes";
    autoChange = node.GetValue("AutoChange") == "yes";
    useClock = node.GetValue("UseClock") == "yes";
    useBkTrend = node.GetValue("UseBkTrend") == "yes";
    useLed = node.GetValue("UseLed") == "yes";

    const CXmlNodeWrapper regNode = node.FindNode("Reg");
    if (!regNode) {
        sink.Message(texts::kSarvoFindReg);
        return false;
    }
    reg.XmlLoad(regNode, description);
    const CXmlNodeWrapper keys = node.FindNode("GlobalFunckey");
    if (!keys) {
        sink.Message(texts::kSarvoFindGlobalFunckey);
        return false;
    }
    globalFunckeys = ChildIds(keys);
    const CXmlNodeWrapper trends = node.FindNode("BackTrend");
    if (!trends) {
        sink.Message(texts::kSarvoFindBackTrend);
        return false;
    }
    backTrends = ChildIds(trends);
    const CXmlNodeWrapper group = node.FindNode("UserGroup");
    if (!group) {
        sink.Message(texts::kSarvoFindUserGroup);
        return false;
    }
    users.clear();
    const CXmlNodeListWrapper userNodes = group.FindNodes("User");
    for (int i = 0; i < userNodes.Count(); ++i) {
        const CXmlNodeWrapper user = userNodes.Node(i);
        users.push_back({IntAttribute(user, "Grade"), user.GetValue("Password"), true});
        const auto level = static_cast<uint8_t>(users.back().grade);
        if (std::find(passwordLevels.begin(), passwordLevels.end(), level) == passwordLevels.end()) {
            passwordLevels.push_back(level);
        }
    }
    multiUser = !users.empty();
    return true;
}

void CSarvo::XmlSave(CXmlNodeWrapper& node) const {
    node.SetValue("StartNum", startNum);
    node.SetValue("ProtectNum", protectNum);
    node.SetValue("WaitTime", waitTime);
    node.SetValue("CloseLight", closeLight ? "yes" : "no");
    node.SetValue("ReportFrame", reportFrame ? "yes" : "no");
    node.SetValue("AutoChange", autoChange ? "yes" : "no");
    node.SetValue("UseClock", useClock ? "yes" : "no");
    node.SetValue("UseBkTrend", useBkTrend ? "yes" : "no");
    node.SetValue("UseLed", useLed ? "yes" : "no");
    CXmlNodeWrapper regNode = node.InsertNode(node.NumNodes(), "Reg");
    reg.XmlSave(regNode);
    SaveIds(node, "GlobalFunckey", "Funckey", globalFunckeys);
    SaveIds(node, "BackTrend", "Trend", backTrends);
    CXmlNodeWrapper group = node.InsertNode(node.NumNodes(), "UserGroup");
    for (const User& user : users) {
        if (user.inUse) {
            CXmlNodeWrapper entry = group.InsertNode(group.NumNodes(), "User");
            entry.SetValue("Grade", user.grade);
            entry.SetValue("Password", user.password);
        }
    }
}

} // namespace balsar
