// Any bytes as kortools.dat, as a user may find it after a crash, a full disk, another program
// or a hand with a hex editor: loaded into the launcher's models, coupled as at start-up, shown
// by every tool, and saved again. Nothing may crash or read outside a table (the build runs this
// under AddressSanitizer and UndefinedBehaviorSanitizer); the save is always a whole file of
// 928 bytes; and loading that save and saving again gives the same bytes, whatever they hold.
// Values out of limits or not numbers at all are allowed: they are loaded and shown as they are.
#include "models/AntennaCoupling.h"
#include "models/ToolRegistry.h"
#include "platform/Dialog.h"
#include "platform/DialogHost.h"
#include "state/ToolState.h"
#include "tests/fuzz/MemoryWindow.h"

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, std::size_t detail)
{
    std::fprintf(stderr, "%s (%zu)\n", what, detail);
    std::abort();
}

// Opens each dialog, lets it show its model, and closes it as a user who looked and left.
class ShowingHost final : public DialogHost {
public:
    int RunModal(CDialog& dialog) override
    {
        const DialogTemplate* dialogTemplate = dialog.Template();
        if (!dialogTemplate)
            return -1;
        MemoryWindow window(*dialogTemplate);
        if (dialog.HostCreate(&window) == -1)
            return -1;
        dialog.HostInit();
        if (!dialog.IsEnding())
            dialog.EndDialog(IDCANCEL);
        dialog.HostDestroy();
        return dialog.Result();
    }
    void Beep(unsigned) override {}
    void SetClipboardText(const std::string&) override {}
    int ShowChart(const ChartData&) override { return 0; }
};

ShowingHost g_host;

void Load(const std::uint8_t* data, std::size_t size, ToolModels& models)
{
    // An empty file reads as one that is not there: nothing to open a stream over.
    if (size == 0)
        return;
    std::vector<unsigned char> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file)
        Fail("could not open the input as a stream", size);
    ReadToolStates(file, models);
    std::fclose(file);
}

std::vector<unsigned char> Save(const ToolModels& models)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    if (!file)
        Fail("could not open a stream to save into", 0);
    WriteToolStates(file, models);
    std::fclose(file);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

// Every value and unit as the tools show them, and every tool's dialog over them.
void ShowEverything(ToolModels& models)
{
    std::vector<const CKorObj*> all;
    for (const RegisteredTool& tool : RegisteredTools())
        all.push_back(&tool.model(models));
    all.push_back(&models.ctoni.m_wanted);
    all.push_back(&models.ctoni.m_interfering);
    for (const CKorObj* model : all) {
        for (int index = 0; index <= model->GetVarCount(); ++index) {
            std::string text;
            model->GetValueText(index, text);
            model->GetUnitLabel(index, text);
            model->GetEnumValueText(index);
        }
    }
    // Every tool's dialog, in the order of the file's records.
    ForEachToolRecord(models, [](auto& model) { model.RunDialog(); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetDialogHost(&g_host);
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ToolModels models;
    Load(data, size, models);
    CoupleAtStartUp(models);
    ShowEverything(models);

    const std::vector<unsigned char> saved = Save(models);
    if (saved.size() != static_cast<std::size_t>(StateFileSize))
        Fail("the saved file is not 928 bytes", saved.size());

    ToolModels reloaded;
    Load(saved.data(), saved.size(), reloaded);
    if (Save(reloaded) != saved)
        Fail("loading the saved file and saving it again changed it", size);
    return 0;
}
