// The Russian texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Выберите диск Quarrix:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Метка тома:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Буква диска:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Файловая система:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Форматировать"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Внимание: программа удалит все ваши данные на диске Quarrix!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Диски Quarrix не найдены."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Диск Quarrix подключен, но не готов: разблокируйте его или подключите заново."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"У этой учетной записи нет доступа к подключенному диску Quarrix: запустите программу от имени "
     L"администратора."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Повторить поиск дисков Quarrix"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"О программе Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&О программе Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"О Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"ОК"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Создание разделов на диске..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Форматирование диска..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Форматирование успешно завершено!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Произошла ошибка!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Не удалось создать файл сценария diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Нет свободной буквы диска для нового тома.\n\n"
     L"Отключите один из дисков или освободите одну из букв от D: до Z:, затем повторите попытку."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Нет временной папки, в которую можно записать сценарий разбиения на разделы.\n\n"
     L"Проверьте параметры TEMP и TMP вашей учетной записи, затем снова запустите программу."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"Список дисков изменился после того, как вы выбрали диск.\n\n"
     L"Ничего не отформатировано. Проверьте, какой диск нужно отформатировать, затем снова нажмите "
     L"«Форматировать»."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"За это время буква диска %1: была назначена другому диску.\n\n"
     L"Ничего не отформатировано. Выберите другую букву, затем снова нажмите «Форматировать»."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Метка тома слишком длинная для NTFS.\n\n"
     L"Метка тома NTFS может содержать не более 32 символов."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Метка тома слишком длинная для exFAT.\n\n"
     L"Метка тома exFAT может содержать не более 11 символов."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"Метка тома не может содержать двойную кавычку (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Метка тома не может содержать знак табуляции, разрыв строки или другой управляющий символ."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Метка тома exFAT не может содержать символ «%1».\n\n"
     L"В exFAT не используйте следующие символы: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Метка тома содержит символ, который не поддерживают дисковые утилиты этой системы.\n\n"
     L"Используйте буквы, цифры и знаки языка вашей системы."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Все данные на диске «%1» будут удалены."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Тома на этом диске: %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP может использовать только первые %1,%2 ТБ этого диска; остальное место останется "
     L"неиспользуемым."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Нажмите «ОК», чтобы отформатировать диск, или «Отмена», чтобы оставить его без изменений."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Обнаружен диск Quarrix Enterprise!\n\n"
     L"Когда появится запрос, нажмите [CONTINUE] на диске Quarrix, чтобы разрешить изменение файловой "
     L"системы. Иначе форматирование не завершится успешно."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Идет форматирование диска.\n\n"
     L"Если остановить его сейчас, на диске не будет файловой системы, пригодной для работы, пока он "
     L"не будет отформатирован снова.\n\n"
     L"Остановить форматирование?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Форматирование еще не началось, и на диске ничего не изменилось.\n\n"
     L"Остановить форматирование?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart, L"Форматирование остановлено еще до начала. На диске ничего не изменилось."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Идет форматирование диска."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Форматирование завершено.\nОткрыть диск %1:\\ сейчас?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Откройте этот адрес в веб-браузере: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Не удалось начать форматирование: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Диск защищен от записи. Если на нем есть переключатель защиты, переведите его в "
     L"разблокированное положение. Если защита от записи остается, возможно, диск неисправен."},
    {TextId::CauseInUse,
     L"Диск используется другой программой. Закройте все окна и программы, которые используют этот "
     L"диск, затем снова нажмите «Форматировать»."},
    {TextId::CauseAccessDenied,
     L"Windows отказала в доступе к диску. Закройте все программы, которые используют этот диск, "
     L"включая средства защиты, которые его проверяют, затем снова нажмите «Форматировать»."},
    {TextId::CauseNotReady,
     L"Диск не готов. Отключите его и подключите снова, дождитесь, пока Windows его покажет, затем "
     L"снова нажмите «Форматировать»."},
    {TextId::CauseNoAnswer,
     L"Диск не ответил вовремя. Отключите его и подключите к другому порту, затем снова нажмите "
     L"«Форматировать»."},
    {TextId::CauseHardwareError,
     L"Диск сообщил об аппаратной ошибке. Попробуйте другой порт или кабель; если ошибка повторится, "
     L"возможно, диск неисправен."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Диск находится в состоянии «Вне сети». Переведите его в состояние «В сети» в оснастке "
     L"«Управление дисками», затем снова нажмите «Форматировать»."},
    {TextId::CauseLabelRefused,
     L"Windows не приняла метку тома. Выберите другую метку, затем снова нажмите «Форматировать»."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"Дисковая утилита сообщила об ошибке."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Не удалось запустить дисковую утилиту: %1"},
    {TextId::UtilityNotFound, L"Дисковая утилита не найдена в системной папке."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"Программе format.com не удалось отформатировать новый том."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Новый том не появился на выбранном диске под буквой %1:, поэтому он не был отформатирован. "
     L"Снова нажмите «Форматировать»."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Диск отформатирован, но новый том не появился на выбранном диске под буквой %1:, поэтому метка тома "
     L"не задана. Когда диск появится, задайте метку в Проводнике: щелкните диск правой кнопкой мыши и "
     L"выберите «Переименовать»."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Диск не был отформатирован повторно, так как список дисков изменился. Проверьте диск, затем "
     L"снова нажмите «Форматировать»."},
    {TextId::RunStopped,
     L"Форматирование остановлено. Пока диск не будет отформатирован снова, на нем нет файловой "
     L"системы, пригодной для работы: нажмите «Форматировать», чтобы отформатировать его."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Диск отформатирован, но задать метку тома не удалось: %1 Метку можно задать в Проводнике: "
     L"щелкните диск правой кнопкой мыши и выберите «Переименовать»."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"ошибка %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"Сообщение дисковой утилиты:"},
    {TextId::UtilityPrintedNothing, L"Дисковая утилита ничего не вывела."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Код ошибки: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Нажмите Ctrl+C, чтобы скопировать это сообщение."},
};

}  // namespace

extern const TextTable kRussianTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
