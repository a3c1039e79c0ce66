#include <QtGlobal>

#ifdef Q_OS_WIN

#include "app/RegistryPlatform.h"

#include <qt_windows.h>

#include <cstring>
#include <vector>

namespace {

HKEY rootKey(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users:
        return HKEY_USERS;
    case RegistryRoot::CurrentConfig:
        return HKEY_CURRENT_CONFIG;
    case RegistryRoot::DynData:
        return HKEY_DYN_DATA;
    }
    return HKEY_CURRENT_USER;
}

} // namespace

std::optional<QString> readPlatformRegistryValue(RegistryRoot root, const QString &subKey,
                                                 const QString &valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(rootKey(root), reinterpret_cast<LPCWSTR>(subKey.utf16()), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const auto name = reinterpret_cast<LPCWSTR>(valueName.utf16());
    DWORD type = 0;
    DWORD size = 0;
    std::optional<QString> result;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        // Room for a terminator the stored text may lack.
        std::vector<BYTE> data(size + 2 * sizeof(wchar_t), 0);
        DWORD got = size;
        if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &got) == ERROR_SUCCESS) {
            if (type == REG_SZ || type == REG_EXPAND_SZ) {
                QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t *>(data.data()),
                                                       qsizetype(got / sizeof(wchar_t)));
                const qsizetype nul = text.indexOf(QChar(0));
                if (nul >= 0)
                    text.truncate(nul);
                result = text;
            } else if (type == REG_DWORD && got >= sizeof(DWORD)) {
                DWORD number = 0;
                std::memcpy(&number, data.data(), sizeof(number));
                result = QString::number(quint32(number));
            }
        }
    }
    RegCloseKey(key);
    return result;
}

QString platformRegistryPathToLocal(const QString &registryPath)
{
    return registryPath;
}

#endif
