// A tool's dialog opened over one of a link budget's antennas: the tool's own dialog, whose
// caption goes on to name the antenna ("Calculate Peak Gain (Transmit)").
#pragma once

#include "platform/Dialog.h"

#include <string>

// Runs the dialog `Tool` over the model modally, its template's caption followed by
// `antenna`. 0 only when the dialog could not be created, as RunToolDialog.
template <class Tool, class Model>
int RunAntennaToolDialog(Model* model, const char* antenna)
{
    class Captioned final : public Tool {
    public:
        Captioned(Model* model, const char* antenna) : Tool(model), m_antenna(antenna) {}

    protected:
        BOOL OnInitDialog() override
        {
            const DialogTemplate* dialogTemplate = this->Template();
            const char* caption = dialogTemplate && dialogTemplate->caption ? dialogTemplate->caption : "";
            this->SetCaption(caption + std::string(m_antenna));
            return Tool::OnInitDialog();
        }

    private:
        const char* m_antenna;
    };
    Captioned dialog(model, antenna);
    return dialog.DoModal() == -1 ? 0 : 1;
}
