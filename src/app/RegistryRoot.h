#pragma once

// The predefined keys a registry path may start with.
enum class RegistryRoot {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    CurrentConfig,
    DynData,
};
