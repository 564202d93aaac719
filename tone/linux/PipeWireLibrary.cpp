// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/linux/PipeWireLibrary.h"

#include <cstdlib>

#include <dlfcn.h>

namespace vornaby::tone {

const PipeWireLibrary* LoadPipeWire()
{
    static const PipeWireLibrary* const library = []() -> const PipeWireLibrary* {
        void* handle = dlopen("libpipewire-0.3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        static PipeWireLibrary loaded;
#define VORNABY_LOAD(name)                                                          \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));       \
    if (!loaded.name)                                                               \
        return nullptr;
        VORNABY_PIPEWIRE_FUNCTIONS(VORNABY_LOAD)
#undef VORNABY_LOAD
        return &loaded;
    }();
    return library;
}

std::string ServerSocket()
{
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::string runtime = variable("PIPEWIRE_RUNTIME_DIR");
    if (runtime.empty())
        runtime = variable("XDG_RUNTIME_DIR");
    const std::string remote = variable("PIPEWIRE_REMOTE");
    if (remote.empty())
        return runtime + "/pipewire-0";
    return remote.front() == '/' ? remote : runtime + "/" + remote;
}

} // namespace vornaby::tone
