// The drive-letter list: "D:" to "Z:" less the letters whose drive root is in use and those of
// the user's saved network drives.
#include <vector>

#include "app/MainDialog.h"
#include "drives/LetterRules.h"
#include "drives/LettersInUse.h"

void CQuarrix_Disk_FormatterDlg::FillLetterList() {
    std::wstring chosen;
    m_letterList.GetLBText(m_letterList.GetCurSel(), chosen);
    m_letterList.ResetContent();
    for (const std::wstring& letter : FreeDriveLetters(std::string())) m_letterList.AddString(letter);
    RemoveUsedLetters();
    m_letterList.SetCurSel(0);
    // The letter the user chose stays chosen while it is still free.
    if (!chosen.empty()) m_letterList.SelectString(-1, chosen);
}

void CQuarrix_Disk_FormatterDlg::RemoveUsedLetters() {
    for (const std::wstring& letter : LettersInUse()) {
        const int index = m_letterList.FindStringExact(-1, letter);
        if (index != CB_ERR) m_letterList.DeleteString(index);
    }
}
