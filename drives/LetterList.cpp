// The drive-letter list: "D:" to "Z:" less the letters whose drive root is in use.
#include <vector>

#include "app/MainDialog.h"
#include "drives/LetterRules.h"

namespace {

// The roots of every drive letter in use, as GetLogicalDriveStringsA lists them. More roots
// than the usual 100-byte buffer holds are read with a buffer of the size the system asks for,
// so no letter in use is ever offered.
std::string ReadLogicalDriveRoots() {
    std::vector<char> buffer(100, '\0');
    DWORD length = ::GetLogicalDriveStringsA(DWORD(buffer.size()), buffer.data());
    if (length > buffer.size()) {
        buffer.assign(length + 1, '\0');
        length = ::GetLogicalDriveStringsA(DWORD(buffer.size()), buffer.data());
        if (length > buffer.size()) length = 0;
    }
    return std::string(buffer.data(), length);
}

}  // namespace

void CQuarrix_Disk_FormatterDlg::FillLetterList() {
    m_letterList.ResetContent();
    for (const std::wstring& letter : FreeDriveLetters(std::string())) m_letterList.AddString(letter);
    RemoveUsedLetters();
    m_letterList.SetCurSel(0);
}

void CQuarrix_Disk_FormatterDlg::RemoveUsedLetters() {
    for (const std::wstring& used : UsedDriveLetters(ReadLogicalDriveRoots())) {
        const int index = m_letterList.FindStringExact(-1, used);
        if (index != CB_ERR) m_letterList.DeleteString(index);
    }
}
