#include "platform/ChartModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

namespace {

std::string ProgramDirectory()
{
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return {};
    buffer.resize(static_cast<std::size_t>(length));
    const std::size_t slash = buffer.rfind('/');
    return slash == std::string::npos ? std::string() : buffer.substr(0, slash);
}

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::vector<std::string> ChartModule::Candidates()
{
    const std::string directory = ProgramDirectory();
    if (directory.empty())
        return {};
#ifndef KORTOOLS_CHART_FROM_BIN
#define KORTOOLS_CHART_FROM_BIN "../lib/kortools"
#endif
    return {directory + "/" + ChartModuleFile, directory + "/" KORTOOLS_CHART_FROM_BIN "/" + ChartModuleFile};
}

const ChartModule* ChartModule::LoadFrom(const std::string& path, std::string& error)
{
    // A module stays loaded for the life of the process: its Qt classes register themselves
    // with the application, and unloading under them would leave dangling pointers behind.
    static std::mutex lock;
    static std::map<std::string, ChartModule> loaded;
    const std::lock_guard guard(lock);
    if (auto found = loaded.find(path); found != loaded.end())
        return &found->second;

    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = reason ? reason : path + ": cannot be loaded";
        return nullptr;
    }
    ChartModule module;
    module.run = reinterpret_cast<KorChartRunFn>(dlsym(handle, ChartRunSymbol));
    module.render = reinterpret_cast<KorChartRenderFn>(dlsym(handle, ChartRenderSymbol));
    if (!module.run || !module.render) {
        error = path + ": not a KorTools chart module";
        dlclose(handle);
        return nullptr;
    }
    return &loaded.emplace(path, module).first->second;
}

const ChartModule* ChartModule::Get(std::string& error)
{
    std::string reasons;
    for (const std::string& candidate : Candidates()) {
        if (access(candidate.c_str(), F_OK) != 0) {
            reasons += (reasons.empty() ? "" : "; ") + candidate + ": not found";
            continue;
        }
        std::string reason;
        if (const ChartModule* module = LoadFrom(candidate, reason))
            return module;
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
    error = reasons.empty() ? std::string("the program's own directory cannot be found") : reasons;
    return nullptr;
}

bool IsChartImageFile(const std::string& path)
{
    const std::string lower = LowerCase(path);
    const auto endsWith = [&](const char* suffix) {
        const std::string s(suffix);
        return lower.size() > s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
    };
    return endsWith(".png") || endsWith(".svg");
}
