// The Spanish texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Seleccionar unidad Quarrix:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Etiqueta del volumen:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Letra:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Sistema de archivos:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Iniciar formato"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Advertencia: ¡se borrarán todos los datos de la unidad Quarrix!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"No se encontraron unidades Quarrix."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady,
     L"Una unidad Quarrix está conectada, pero no está lista: desbloquéala o vuelve a conectarla."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Esta cuenta no puede abrir la unidad Quarrix conectada: ejecuta el programa como administrador."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Volver a buscar unidades Quarrix"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Acerca de Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Acerca de Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Sobre Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"Aceptar"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Particionando la unidad..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formateando la unidad..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"¡El formato se completó correctamente!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"¡Se produjo un error!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Se produjo un error al crear el archivo de diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"No hay ninguna letra de unidad libre para el nuevo volumen.\n\n"
     L"Quita una unidad o libera una letra de D: a Z: y vuelve a intentarlo."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"No hay ninguna carpeta temporal en la que escribir el script de particionamiento.\n\n"
     L"Comprueba las variables TEMP y TMP de tu cuenta y vuelve a iniciar el programa."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"La lista de unidades ha cambiado desde que elegiste la unidad.\n\n"
     L"No se ha formateado nada. Comprueba la unidad que quieres formatear y vuelve a hacer clic en "
     L"“Iniciar formato”."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"La letra de unidad %1: se asignó a otra unidad mientras decidías.\n\n"
     L"No se ha formateado nada. Elige otra letra y vuelve a hacer clic en “Iniciar formato”."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"La etiqueta del volumen es demasiado larga para NTFS.\n\n"
     L"Una etiqueta NTFS puede tener 32 caracteres como máximo."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"La etiqueta del volumen es demasiado larga para exFAT.\n\n"
     L"Una etiqueta exFAT puede tener 11 caracteres como máximo."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark,
     L"La etiqueta del volumen no puede contener comillas dobles (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"La etiqueta del volumen no puede contener tabulaciones, saltos de línea ni otros caracteres de "
     L"control."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Una etiqueta de volumen exFAT no puede contener el carácter '%1'.\n\n"
     L"No uses estos caracteres en exFAT: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"La etiqueta del volumen contiene un carácter que las utilidades de disco de este sistema no "
     L"admiten.\n\n"
     L"Usa letras, números y signos del idioma de tu sistema."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Se borrarán todos los datos de la unidad “%1”."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Contiene %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP solo puede usar los primeros %1,%2 TB de esta unidad; el resto quedará sin usar."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Haz clic en Aceptar para formatearla o en Cancelar para conservarla."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"¡Se detectó Quarrix Enterprise!\n\n"
     L"Cuando se te pida, tendrás que pulsar [CONTINUE] en la unidad Quarrix para que se pueda modificar "
     L"el sistema de archivos. De lo contrario, el formato no se completará correctamente."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Se está formateando una unidad.\n\n"
     L"Si detienes el formato ahora, la unidad se quedará sin un sistema de archivos utilizable hasta que "
     L"se vuelva a formatear.\n\n"
     L"¿Quieres detener el formato?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"El formato aún no ha empezado y no se ha cambiado nada en la unidad.\n\n"
     L"¿Quieres detener el formato?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"Se detuvo el formato antes de que empezara. No se ha cambiado nada en la unidad."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Se está formateando una unidad."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Formato completado.\n¿Quieres abrir ahora la unidad '%1:\\'?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Abre esta dirección en tu navegador web: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"No se pudo iniciar el formato: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"La unidad está protegida contra escritura. Si tiene un interruptor de bloqueo, deslízalo a la "
     L"posición de desbloqueo. Si sigue protegida contra escritura, es posible que la unidad esté "
     L"defectuosa."},
    {TextId::CauseInUse,
     L"Otro programa está usando la unidad. Cierra todas las ventanas y programas que usen la unidad y "
     L"vuelve a hacer clic en “Iniciar formato”."},
    {TextId::CauseAccessDenied,
     L"Windows denegó el acceso a la unidad. Cierra todos los programas que usen la unidad, incluido el "
     L"software de seguridad que la analice, y vuelve a hacer clic en “Iniciar formato”."},
    {TextId::CauseNotReady,
     L"La unidad no está lista. Desconéctala, vuelve a conectarla, espera a que Windows la muestre y "
     L"vuelve a hacer clic en “Iniciar formato”."},
    {TextId::CauseNoAnswer,
     L"La unidad no respondió a tiempo. Desconéctala, conéctala a otro puerto y vuelve a hacer clic en "
     L"“Iniciar formato”."},
    {TextId::CauseHardwareError,
     L"La unidad notificó un error de hardware. Prueba con otro puerto u otro cable; si el error se "
     L"repite, es posible que la unidad esté defectuosa."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"La unidad está sin conexión. Ponla en línea en Administración de discos y vuelve a hacer clic en "
     L"“Iniciar formato”."},
    {TextId::CauseLabelRefused,
     L"Windows no aceptó la etiqueta del volumen. Elige otra etiqueta y vuelve a hacer clic en “Iniciar "
     L"formato”."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"La utilidad de disco notificó un error."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"No se pudo iniciar la utilidad de disco: %1"},
    {TextId::UtilityNotFound, L"No se encontró la utilidad de disco en la carpeta del sistema."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com no pudo formatear el nuevo volumen."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"El nuevo volumen no apareció con la letra %1: en la unidad elegida, así que no se formateó. Vuelve "
     L"a hacer clic en “Iniciar formato”."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"La unidad se formateó, pero el nuevo volumen no apareció con la letra %1: en la unidad elegida, así "
     L"que no se estableció su etiqueta. Cuando aparezca la unidad, establece su etiqueta en el "
     L"Explorador: haz clic con el botón secundario en la unidad y elige “Cambiar nombre”."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"La unidad no se volvió a formatear porque la lista de unidades ha cambiado. Comprueba la unidad y "
     L"vuelve a hacer clic en “Iniciar formato”."},
    {TextId::RunStopped,
     L"Se detuvo el formato. La unidad no tendrá un sistema de archivos utilizable hasta que se vuelva a "
     L"formatear: haz clic en “Iniciar formato” para formatearla."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"La unidad se formateó, pero no se pudo establecer su etiqueta: %1 Puedes establecerla en el "
     L"Explorador: haz clic con el botón secundario en la unidad y elige “Cambiar nombre”."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"error %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"La utilidad de disco notificó:"},
    {TextId::UtilityPrintedNothing, L"La utilidad de disco no mostró ninguna salida."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Código de error: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Presiona Ctrl+C para copiar este mensaje."},
};

}  // namespace

extern const TextTable kSpanishTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
