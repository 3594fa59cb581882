#include "project/CoreClasses.h"

#include "elements/CLangDefine.h"
#include "elements/CLangDefineItem.h"
#include "elements/CSingleColorBitmapLibItem.h"
#include "elements/ElementRegistry.h"
#include "plc/CAddr.h"
#include "plc/CCommunication.h"
#include "plc/CPLCAddr.h"
#include "plc/CPortCan.h"
#include "plc/CPortCom.h"
#include "project/CHMIFrame.h"
#include "project/CMirloProject.h"

namespace balsar {

void RegisterCoreClasses(ClassRegistry& registry) {
    for (const ClassInfo* info :
         {&CMirloProject::StaticClass(), &CHMIFrame::StaticClass(), &CLangDefine::StaticClass(),
          &CLangDefineItem::StaticClass(), &CSingleColorBitmapLibItem::StaticClass(), &CAddr::StaticClass(),
          &CPortCom::StaticClass(), &CPortCan::StaticClass(), &CCommunication::StaticClass(),
          &CPLCAddr::StaticClass()}) {
        registry.Add(*info);
    }
    for (const ElementClass& element : ElementClasses()) {
        registry.Add(*element.info);
    }
}

const ClassRegistry& CoreClassRegistry() {
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCoreClasses(r);
        return r;
    }();
    return registry;
}

} // namespace balsar
