// The Korean texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Quarrix 드라이브 선택:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"볼륨 레이블:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"드라이브:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"파일 시스템:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"포맷 시작"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"경고: Quarrix 드라이브의 모든 데이터가 삭제됩니다!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Quarrix 드라이브를 찾을 수 없습니다."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Quarrix 드라이브가 연결되어 있지만 준비되지 않았습니다. 잠금을 해제하거나 다시 연결하십시오."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"이 계정으로는 연결된 Quarrix 드라이브를 열 수 없습니다. 프로그램을 관리자 권한으로 실행하십시오."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Quarrix 드라이브 다시 검색"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Quarrix Disk Formatter 정보"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"Quarrix_Disk_Formatter 정보(&A)..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Quarrix Disk Formatter v1.34 Beta 정보"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"확인"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"드라이브 파티션을 만드는 중..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"드라이브를 포맷하는 중..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"포맷이 완료되었습니다!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"오류가 발생했습니다!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"diskpart 파일을 만드는 동안 오류가 발생했습니다."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"새 볼륨에 사용할 수 있는 드라이브 문자가 없습니다.\n\n"
     L"드라이브를 하나 제거하거나 D:부터 Z:까지의 드라이브 문자 중 하나를 비운 다음 다시 시도하십시오."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"파티션 스크립트를 저장할 임시 폴더가 없습니다.\n\n"
     L"사용자 계정의 TEMP 및 TMP 설정을 확인한 다음 프로그램을 다시 시작하십시오."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"드라이브를 선택한 후에 드라이브 목록이 바뀌었습니다.\n\n"
     L"아무것도 포맷되지 않았습니다. 포맷할 드라이브를 확인한 다음 [포맷 시작]을 다시 누르십시오."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"확인하는 동안 %1: 드라이브 문자가 다른 드라이브에 할당되었습니다.\n\n"
     L"아무것도 포맷되지 않았습니다. 다른 드라이브 문자를 선택한 다음 [포맷 시작]을 다시 누르십시오."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"볼륨 레이블이 너무 길어 NTFS에서 사용할 수 없습니다.\n\n"
     L"NTFS 볼륨 레이블은 최대 32자입니다."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"볼륨 레이블이 너무 길어 exFAT에서 사용할 수 없습니다.\n\n"
     L"exFAT 볼륨 레이블은 최대 11자입니다."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"볼륨 레이블에는 큰따옴표(\")를 사용할 수 없습니다."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter, L"볼륨 레이블에는 탭, 줄 바꿈 또는 기타 제어 문자를 사용할 수 없습니다."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"exFAT 볼륨 레이블에는 '%1' 문자를 사용할 수 없습니다.\n\n"
     L"exFAT에서는 다음 문자를 사용하지 마십시오: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"볼륨 레이블에 이 시스템의 디스크 유틸리티에서 처리할 수 없는 문자가 있습니다.\n\n"
     L"시스템 언어의 문자, 숫자 및 기호를 사용하십시오."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"“%1” 드라이브의 모든 데이터가 삭제됩니다."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"이 드라이브의 볼륨: %1"},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP에서는 이 드라이브의 처음 %1.%2TB만 사용할 수 있으며 나머지 공간은 사용되지 않습니다."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel, L"포맷하려면 [확인]을, 드라이브를 그대로 두려면 [취소]를 누르십시오."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise가 감지되었습니다!\n\n"
     L"파일 시스템을 변경하려면 메시지가 표시될 때 Quarrix 드라이브에서 [CONTINUE]를 눌러야 합니다. "
     L"그렇지 않으면 포맷 작업이 제대로 완료되지 않습니다."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"드라이브를 포맷하는 중입니다.\n\n"
     L"지금 중지하면 다시 포맷할 때까지 드라이브에 사용할 수 있는 파일 시스템이 없습니다.\n\n"
     L"포맷을 중지하시겠습니까?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"포맷이 아직 시작되지 않았으며 드라이브에서 변경된 내용이 없습니다.\n\n"
     L"포맷을 중지하시겠습니까?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"포맷이 시작되기 전에 중지되었습니다. 드라이브에서 변경된 내용이 없습니다."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"드라이브를 포맷하는 중입니다."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"포맷이 완료되었습니다.\n지금 %1:\\ 드라이브를 여시겠습니까?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"웹 브라우저에서 다음 주소를 여십시오: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"포맷을 시작할 수 없습니다: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"드라이브가 쓰기 금지되어 있습니다. 잠금 스위치가 있으면 잠금 해제 쪽으로 밀어 주십시오. 그래도 "
     L"쓰기 금지가 풀리지 않으면 드라이브에 결함이 있을 수 있습니다."},
    {TextId::CauseInUse,
     L"다른 프로그램에서 드라이브를 사용하고 있습니다. 드라이브를 사용하는 창과 프로그램을 모두 닫은 "
     L"다음 [포맷 시작]을 다시 누르십시오."},
    {TextId::CauseAccessDenied,
     L"Windows에서 드라이브에 대한 액세스를 거부했습니다. 드라이브를 검사하는 보안 소프트웨어를 "
     L"포함하여 드라이브를 사용하는 프로그램을 모두 닫은 다음 [포맷 시작]을 다시 누르십시오."},
    {TextId::CauseNotReady,
     L"드라이브가 준비되지 않았습니다. 드라이브를 뽑았다가 다시 연결하고 Windows에 표시될 때까지 "
     L"기다린 다음 [포맷 시작]을 다시 누르십시오."},
    {TextId::CauseNoAnswer,
     L"드라이브가 제시간에 응답하지 않았습니다. 드라이브를 뽑아 다른 포트에 연결한 다음 [포맷 시작]을 "
     L"다시 누르십시오."},
    {TextId::CauseHardwareError,
     L"드라이브에서 하드웨어 오류를 보고했습니다. 다른 포트나 케이블을 사용해 보십시오. 오류가 다시 "
     L"발생하면 드라이브에 결함이 있을 수 있습니다."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"드라이브가 오프라인 상태입니다. 디스크 관리에서 드라이브를 온라인으로 전환한 다음 [포맷 시작]을 "
     L"다시 누르십시오."},
    {TextId::CauseLabelRefused,
     L"Windows에서 볼륨 레이블을 받아들이지 않았습니다. 다른 레이블을 지정한 다음 [포맷 시작]을 다시 "
     L"누르십시오."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"디스크 유틸리티에서 오류를 보고했습니다."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"디스크 유틸리티를 시작할 수 없습니다: %1"},
    {TextId::UtilityNotFound, L"시스템 폴더에서 디스크 유틸리티를 찾을 수 없습니다."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com에서 새 볼륨을 포맷하지 못했습니다."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"선택한 드라이브에서 새 볼륨이 %1: 드라이브 문자로 나타나지 않아 포맷하지 않았습니다. [포맷 "
     L"시작]을 다시 누르십시오."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"드라이브를 포맷했지만 선택한 드라이브에서 새 볼륨이 %1: 드라이브 문자로 나타나지 않아 볼륨 레이블을 "
     L"설정하지 못했습니다. 드라이브가 나타나면 탐색기에서 드라이브를 마우스 오른쪽 단추로 클릭하고 [이름 "
     L"바꾸기]를 선택하여 레이블을 설정하십시오."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"드라이브 목록이 바뀌어 드라이브를 다시 포맷하지 않았습니다. 드라이브를 확인한 다음 [포맷 "
     L"시작]을 다시 누르십시오."},
    {TextId::RunStopped,
     L"포맷이 중지되었습니다. 다시 포맷할 때까지 드라이브에 사용할 수 있는 파일 시스템이 없습니다. "
     L"포맷하려면 [포맷 시작]을 누르십시오."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"드라이브를 포맷했지만 볼륨 레이블을 설정하지 못했습니다: %1 레이블은 탐색기에서 설정할 수 "
     L"있습니다. 드라이브를 마우스 오른쪽 단추로 클릭하고 [이름 바꾸기]를 선택하십시오."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"오류 %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"디스크 유틸리티에서 보고한 내용:"},
    {TextId::UtilityPrintedNothing, L"디스크 유틸리티에서 출력한 내용이 없습니다."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"오류 코드: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"이 메시지를 복사하려면 Ctrl+C를 누르십시오."},
};

}  // namespace

extern const TextTable kKoreanTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
