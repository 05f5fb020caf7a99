// What every tool dialog does the same way: it opens over its model, shows the model's values
// and nothing else, refreshes every control from the model after each accepted change, and
// offers the model's values on the clipboard from its window menu.
#pragma once

#include "platform/Dialog.h"

class CKorObj;

class CToolDialog : public CDialog {
public:
    // "Copy Values" and "Copy as Command" on the window menu. Sub-tools opened from another
    // tool over a model of their own copy that model's values.
    void OnSysCommand(int command) override;

protected:
    // The model is not owned and must outlive the dialog.
    CToolDialog(int templateId, CKorObj& model);

    // The first refresh comes before the focus is placed, so a control the model locks is
    // already disabled and the focus passes it by.
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        Refresh();
        return TRUE;
    }

    // Shows every bound variable again, in the dialog's own order.
    virtual void Refresh() = 0;

    // A tool's own window-menu command, in a group of its own above the copying entries that
    // every tool has, so those stay in the same place in every tool.
    void AddToolMenuItem(int command, int textId);

private:
    CKorObj& m_toolModel;
    // Where the copying entries start; the tool's own entries go in before it.
    std::size_t m_copyEntries = 0;
    bool m_toolEntries = false;
};

// A model's RunDialog: the tool's dialog over the model, run modally. 0 only when the dialog
// could not be created.
template <class Dialog, class Model>
int RunToolDialog(Model* model)
{
    Dialog dialog(model);
    return dialog.DoModal() == -1 ? 0 : 1;
}
