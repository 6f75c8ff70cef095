// The Traditional Chinese texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"選取 Quarrix 磁碟機:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"磁碟區標籤:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"磁碟機代號:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"檔案系統:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"開始格式化"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"警告：本程式將刪除 Quarrix 磁碟機上的所有資料！"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"找不到 Quarrix 磁碟機。"},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"已連接的 Quarrix 磁碟機尚未就緒：請將其解除鎖定或重新插入。"},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused, L"此帳戶無權開啟已連接的 Quarrix 磁碟機：請以系統管理員身分執行本程式。"},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"重新搜尋 Quarrix 磁碟機"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"關於 Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"關於 Quarrix_Disk_Formatter(&A)..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"關於 Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"確定"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"正在分割磁碟機..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"正在格式化磁碟機..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"格式化已成功完成！"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"發生錯誤！"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"建立 diskpart 檔案時發生錯誤。"},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"沒有可指派給新磁碟區的磁碟機代號。\n\n"
     L"請移除一個磁碟機，或釋出 D: 到 Z: 之間的一個代號，然後再試一次。"},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"沒有可寫入分割指令碼的暫存資料夾。\n\n"
     L"請檢查您帳戶的 TEMP 和 TMP 設定，然後重新啟動本程式。"},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"在您選取磁碟機之後，磁碟機清單已變更。\n\n"
     L"尚未格式化任何磁碟機。請檢查要格式化的磁碟機，然後再按一次 [開始格式化]。"},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"在您確認期間，磁碟機代號 %1: 已指派給其他磁碟機。\n\n"
     L"尚未格式化任何磁碟機。請選取其他代號，然後再按一次 [開始格式化]。"},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"磁碟區標籤太長，無法用於 NTFS。\n\n"
     L"NTFS 標籤最多只能有 32 個字元。"},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"磁碟區標籤太長，無法用於 exFAT。\n\n"
     L"exFAT 標籤最多只能有 11 個字元。"},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"磁碟區標籤不能包含雙引號 (\")。"},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter, L"磁碟區標籤不能包含定位字元、換行字元或其他控制字元。"},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"exFAT 磁碟區標籤不能包含字元「%1」。\n\n"
     L"在 exFAT 上請勿使用下列字元：* / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"磁碟區標籤包含此系統的磁碟公用程式無法處理的字元。\n\n"
     L"請使用您系統語言的字母、數字和符號。"},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"磁碟機「%1」上的所有資料都將被刪除。"},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"此磁碟機包含：%1。"},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace, L"Windows XP 只能使用此磁碟機的前 %1.%2 TB，其餘空間將不會被使用。"},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel, L"按一下 [確定] 以格式化磁碟機，或按一下 [取消] 以保留磁碟機。"},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"偵測到 Quarrix Enterprise！\n\n"
     L"出現提示時，您必須在 Quarrix 磁碟機上按 [CONTINUE]，才能修改檔案系統。否則，格式化程序將無法順利"
     L"完成。"},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"正在格式化磁碟機。\n\n"
     L"如果現在停止，在重新格式化之前，磁碟機將沒有可用的檔案系統。\n\n"
     L"要停止格式化嗎？"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion, L"格式化尚未開始，磁碟機上的內容沒有任何變更。\n\n要停止格式化嗎？"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart, L"格式化在開始前已停止。磁碟機上的內容沒有任何變更。"},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"正在格式化磁碟機。"},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"格式化完成。\n要立即開啟磁碟機 %1:\\ 嗎？"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"請在網頁瀏覽器中開啟此網址：%1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"無法開始格式化：%1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"磁碟機有防寫保護。如果磁碟機有鎖定開關，請將開關撥到解除鎖定的位置。如果仍有防寫保護，磁碟機可能"
     L"發生故障。"},
    {TextId::CauseInUse,
     L"磁碟機正由其他程式使用中。請關閉使用此磁碟機的所有視窗和程式，然後再按一次 [開始格式化]。"},
    {TextId::CauseAccessDenied,
     L"Windows 拒絕存取磁碟機。請關閉使用此磁碟機的所有程式 (包括正在掃描它的安全性軟體)，然後再按一次 "
     L"[開始格式化]。"},
    {TextId::CauseNotReady,
     L"磁碟機尚未就緒。請拔除磁碟機後重新插入，等到 Windows 顯示磁碟機後，再按一次 [開始格式化]。"},
    {TextId::CauseNoAnswer,
     L"磁碟機未及時回應。請拔除磁碟機並插入其他連接埠，然後再按一次 [開始格式化]。"},
    {TextId::CauseHardwareError,
     L"磁碟機回報了硬體錯誤。請嘗試其他連接埠或纜線；如果錯誤再次發生，磁碟機可能發生故障。"},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"磁碟機處於離線狀態。請在 [磁碟管理] 中將磁碟機設為線上，然後再按一次 [開始格式化]。"},
    {TextId::CauseLabelRefused,
     L"Windows 不接受此磁碟區標籤。請改用其他標籤，然後再按一次 [開始格式化]。"},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"磁碟公用程式回報了錯誤。"},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"無法啟動磁碟公用程式：%1"},
    {TextId::UtilityNotFound, L"在系統資料夾中找不到磁碟公用程式。"},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com 無法格式化新的磁碟區。"},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"新的磁碟區未以代號 %1: 出現在所選的磁碟機上，因此未格式化。請再按一次 [開始格式化]。"},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"磁碟機已格式化，但新的磁碟區未以代號 %1: 出現在所選的磁碟機上，因此未設定其標籤。磁碟機出現後，"
     L"請在檔案總管中設定標籤：以滑鼠右鍵按一下磁碟機，然後選擇 [重新命名]。"},
    {TextId::DriveListChangedBeforeSecondRun,
     L"由於磁碟機清單已變更，因此未再次格式化磁碟機。請檢查磁碟機，然後再按一次 [開始格式化]。"},
    {TextId::RunStopped,
     L"已停止格式化。在重新格式化之前，磁碟機沒有可用的檔案系統：請按 [開始格式化] 以格式化磁碟機。"},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"磁碟機已格式化，但無法設定其標籤：%1 您可以在檔案總管中設定標籤：以滑鼠右鍵按一下磁碟機，然後選"
     L"擇 [重新命名]。"},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"錯誤 %1。"},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"磁碟公用程式回報："},
    {TextId::UtilityPrintedNothing, L"磁碟公用程式未輸出任何內容。"},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"錯誤碼：%1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"按 Ctrl+C 可複製此訊息。"},
};

}  // namespace

extern const TextTable kChineseTraditionalTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
