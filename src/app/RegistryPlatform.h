#pragma once

#include "app/RegistryRoot.h"

#include <QString>

#include <optional>

// What cRegistry needs of the platform; one implementation per platform is compiled in.

// The value as text (text values as they are, dwords as decimal), or nothing.
std::optional<QString> readPlatformRegistryValue(RegistryRoot root, const QString &subKey,
                                                 const QString &valueName);

// A path read from the registry, made usable in this system's file system.
QString platformRegistryPathToLocal(const QString &registryPath);
