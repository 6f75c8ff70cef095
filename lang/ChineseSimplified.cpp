// The Simplified Chinese texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"选择 Quarrix 驱动器:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"卷标:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"驱动器号:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"文件系统:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"开始格式化"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"警告：本程序将删除 Quarrix 驱动器上的所有数据！"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"未找到 Quarrix 驱动器。"},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"已连接的 Quarrix 驱动器未就绪：请将其解锁或重新插入。"},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused, L"此账户无权打开已连接的 Quarrix 驱动器：请以管理员身份运行本程序。"},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"重新搜索 Quarrix 驱动器"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"关于 Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"关于 Quarrix_Disk_Formatter(&A)..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"关于 Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"确定"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"正在对驱动器分区..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"正在格式化驱动器..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"格式化已成功完成！"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"发生错误！"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"创建 diskpart 文件时出错。"},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"没有可分配给新卷的空闲驱动器号。\n\n"
     L"请移除一个驱动器，或释放 D: 到 Z: 之间的一个驱动器号，然后重试。"},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"没有可用于写入分区脚本的临时文件夹。\n\n"
     L"请检查你的账户的 TEMP 和 TMP 设置，然后重新启动本程序。"},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"在你选择驱动器之后，驱动器列表发生了变化。\n\n"
     L"尚未格式化任何驱动器。请检查要格式化的驱动器，然后再次单击“开始格式化”。"},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"在你确认期间，驱动器号 %1: 已分配给其他驱动器。\n\n"
     L"尚未格式化任何驱动器。请选择其他驱动器号，然后再次单击“开始格式化”。"},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"卷标太长，不适用于 NTFS。\n\n"
     L"NTFS 卷标最多包含 32 个字符。"},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"卷标太长，不适用于 exFAT。\n\n"
     L"exFAT 卷标最多包含 11 个字符。"},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"卷标不能包含双引号 (\")。"},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter, L"卷标不能包含制表符、换行符或其他控制字符。"},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"exFAT 卷标不能包含字符“%1”。\n\n"
     L"在 exFAT 上请勿使用以下字符：* / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"卷标包含此系统的磁盘实用工具无法处理的字符。\n\n"
     L"请使用你的系统语言中的字母、数字和符号。"},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"驱动器“%1”上的所有数据都将被删除。"},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"该驱动器包含：%1。"},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace, L"Windows XP 只能使用此驱动器的前 %1.%2 TB，其余空间将不会被使用。"},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel, L"单击“确定”格式化该驱动器，或单击“取消”保留该驱动器。"},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"检测到 Quarrix Enterprise！\n\n"
     L"出现提示时，你需要在 Quarrix 驱动器上按 [CONTINUE]，才能修改文件系统。否则，格式化过程将无法成功"
     L"完成。"},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"正在格式化驱动器。\n\n"
     L"如果现在停止，在重新格式化之前，该驱动器将没有可用的文件系统。\n\n"
     L"是否停止格式化？"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion, L"格式化尚未开始，驱动器上的内容未做任何更改。\n\n是否停止格式化？"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart, L"格式化在开始前已停止。驱动器上的内容未做任何更改。"},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"正在格式化驱动器。"},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"格式化完毕。\n是否立即打开驱动器 %1:\\？"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"请在 Web 浏览器中打开此地址：%1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"无法开始格式化：%1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"该驱动器处于写保护状态。如果驱动器有锁定开关，请将开关拨到解锁位置。如果仍处于写保护状态，则该驱"
     L"动器可能出现了故障。"},
    {TextId::CauseInUse,
     L"该驱动器正在被其他程序使用。请关闭使用该驱动器的所有窗口和程序，然后再次单击“开始格式化”。"},
    {TextId::CauseAccessDenied,
     L"Windows 拒绝访问该驱动器。请关闭使用该驱动器的所有程序（包括正在扫描该驱动器的安全软件），然后再"
     L"次单击“开始格式化”。"},
    {TextId::CauseNotReady,
     L"驱动器未就绪。请拔下驱动器并重新插入，等到 Windows 显示该驱动器后，再次单击“开始格式化”。"},
    {TextId::CauseNoAnswer,
     L"驱动器未及时响应。请拔下驱动器并将其插入另一个端口，然后再次单击“开始格式化”。"},
    {TextId::CauseHardwareError,
     L"驱动器报告了硬件错误。请尝试其他端口或电缆；如果错误再次出现，则该驱动器可能出现了故障。"},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"驱动器处于脱机状态。请在“磁盘管理”中将其联机，然后再次单击“开始格式化”。"},
    {TextId::CauseLabelRefused, L"Windows 未接受该卷标。请换一个卷标，然后再次单击“开始格式化”。"},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"磁盘实用工具报告了错误。"},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"无法启动磁盘实用工具：%1"},
    {TextId::UtilityNotFound, L"在系统文件夹中找不到磁盘实用工具。"},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com 无法格式化新卷。"},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"新卷没有以驱动器号 %1: 出现在所选驱动器上，因此未被格式化。请再次单击“开始格式化”。"},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"驱动器已格式化，但新卷没有以驱动器号 %1: 出现在所选驱动器上，因此未设置其卷标。驱动器出现后，"
     L"请在资源管理器中设置卷标：右键单击该驱动器，然后选择“重命名”。"},
    {TextId::DriveListChangedBeforeSecondRun,
     L"由于驱动器列表发生了变化，该驱动器未被再次格式化。请检查驱动器，然后再次单击“开始格式化”。"},
    {TextId::RunStopped,
     L"格式化已停止。在重新格式化之前，该驱动器没有可用的文件系统：请单击“开始格式化”进行格式化。"},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"驱动器已格式化，但无法设置其卷标：%1 你可以在资源管理器中设置卷标：右键单击该驱动器，然后选择“重"
     L"命名”。"},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"错误 %1。"},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"磁盘实用工具报告："},
    {TextId::UtilityPrintedNothing, L"磁盘实用工具没有输出任何内容。"},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"错误代码：%1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"按 Ctrl+C 可复制此消息。"},
};

}  // namespace

extern const TextTable kChineseSimplifiedTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
