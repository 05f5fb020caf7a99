#include "dialogs/TooldB.h"

#include "dialogs/Binding.h"
#include "models/KOTDB.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_DB_ABSOLUTE, CKOTDB::VarAbsolute},
    {IDC_DB_DECIBELS, CKOTDB::VarDb},
};

constexpr ApplyBinding Arrows[] = {
    {IDC_DB_TO_DB, CKOTDB::VarAbsolute, IDC_DB_ABSOLUTE},
    {IDC_DB_TO_ABSOLUTE, CKOTDB::VarDb, IDC_DB_DECIBELS},
};
constexpr auto ArrowIds = ControlIds(Arrows);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_DB>()
{
    return Shown;
}

int CKOTDB::RunDialog()
{
    return RunToolDialog<CTooldB>(this);
}

CTooldB::CTooldB(CKOTDB* model) : CToolDialog(IDD_TOOL_DB, *model), m_model(model)
{
}

CTooldB::~CTooldB() = default;

const MessageMapEntry* CTooldB::GetMessageMap() const
{
    // The edits have no handler: typing changes nothing until an arrow is pressed.
    static const MessageMapEntry map[] = {
        OnNotifyEach<CTooldB>(ArrowIds, BN_CLICKED, &CTooldB::OnArrow),
        MessageMapEnd,
    };
    return map;
}

// Both arrows refresh whatever the model said, so a refused entry is replaced by the value
// the model still holds.
void CTooldB::OnArrow(int id)
{
    ApplyFromButton(this, m_model, Arrows, id);
    Refresh();
}

void CTooldB::Refresh()
{
    ShowBoundVars(this, m_model, Shown);
}
