// The launcher: the program's main window, one button per tool and the maker's logo.
#pragma once

#include "platform/Dialog.h"

struct ToolModels;

class CKorToolsDlg : public CDialog {
public:
    // The models are not owned; every tool opened here runs over them.
    explicit CKorToolsDlg(ToolModels& models);
    ~CKorToolsDlg() override;

    // The About item, and F1, open the About box.
    void OnSysCommand(int command) override;
    void KeyHelp() override;

protected:
    int OnCreate() override;
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void ShowLogo();
    void ShowAbout();

    void OnToolButton(int id);

    ToolModels& m_models;
};
