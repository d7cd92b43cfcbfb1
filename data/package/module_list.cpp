#include "data/package/module_list.h"

#include <cstring>
#include <memory>

#include "data/package/module_context.h"
#include "engine/files/file_layer.h"
#include "engine/packages/loading_steps.h"

bool SModuleList::Open(const char* fileName) {
    auto file = std::make_unique<SPdb>();
    if (m_context.folder) file->Attach(*m_context.folder);
    if (!file->Open(fileName)) {
        m_error = file->Error();
        return false;
    }
    auto module = std::make_unique<SModule>(m_context);
    if (!module->Load(std::move(file))) {
        m_error = module->Error();
        return false;
    }
    if (!m_modules.Append(module.get())) {
        m_error = {module->File()->Path(), {}, "", {}, "too many packages are open"};
        return false;
    }
    m_current = module.release();
    return true;
}

bool SModuleList::isRequired(const char* package) {
    for (const char* required : kRequiredPackages)
        if (std::strcmp(required, package) == 0) return true;
    return false;
}

bool SModuleList::OpenAll(SLoadingSteps& loading) {
    bool opened = true;
    SReadError firstError;
    m_damage = {};
    for (const char* package : kGamePackages) {
        if (!Open(package)) {
            if (opened) firstError = m_error;
            opened = false;
            const SFileFolder folder = m_context.folder ? *m_context.folder : SFileFolder();
            const bool there = FileExists(folder, CompletePdbName(package).c_str());
            if (!m_damage.Failed() && (there || isRequired(package))) {
                m_damage = m_error;
                if (!there) m_damage.what = kMissingPackage;
            }
        }
        loading.Step();
    }
    m_error = firstError;
    return opened;
}

SModule* SModuleList::Add() {
    auto module = std::make_unique<SModule>(m_context);
    return m_modules.Append(module.get()) ? module.release() : nullptr;
}

SModule* SModuleList::FindById(const char* identifier) const {
    for (int i = 0; i < m_modules.Count(); ++i)
        if (m_modules[i]->Identifier().Equals(identifier)) return m_modules[i];
    return nullptr;
}

SMap* SModuleList::FindMap(const char* name) const {
    for (int i = 0; i < m_modules.Count(); ++i)
        if (SMap* map = m_modules[i]->FindMap(name)) return map;
    return nullptr;
}

void SModuleList::ClearObjectMarks() {
    for (int i = 0; i < m_modules.Count(); ++i) m_modules[i]->ClearObjectMarks();
}

void SModuleList::Clear() {
    while (m_modules.Count() > 0) delete m_modules.RemoveAt(0);
    m_current = nullptr;
}

std::string DamagedPackageMessage(const SReadError& damage) {
    const char* fault = damage.what == SModuleList::kMissingPackage ? "missing" : "damaged";
    return std::string("The game cannot start: a package is ") + fault + ".\r" + damage.Message() + ".";
}
