// The French texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Sélectionnez le lecteur Quarrix\u00A0:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Nom de volume\u00A0:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Lettre\u00A0:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Système de fichiers\u00A0:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Démarrer le formatage"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine,
     L"Attention\u00A0: toutes les données du lecteur Quarrix seront effacées\u00A0!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Aucun lecteur Quarrix trouvé."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady,
     L"Un lecteur Quarrix est branché mais n'est pas prêt\u00A0: déverrouillez-le ou rebranchez-le."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Ce compte ne peut pas ouvrir le lecteur Quarrix branché\u00A0: exécutez le programme en tant "
     L"qu'administrateur."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Rechercher à nouveau les lecteurs Quarrix"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"À propos de Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"À &propos de Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Infos\u00A0: Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Partitionnement du lecteur..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formatage du lecteur..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Le formatage s'est terminé avec succès\u00A0!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Une erreur s'est produite\u00A0!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Une erreur s'est produite lors de la création du fichier diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Aucune lettre de lecteur n'est libre pour le nouveau volume.\n\n"
     L"Retirez un lecteur ou libérez une lettre de D: à Z:, puis réessayez."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Aucun dossier temporaire n'est disponible pour y écrire le script de partitionnement.\n\n"
     L"Vérifiez les variables TEMP et TMP de votre compte, puis redémarrez le programme."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"La liste des lecteurs a changé depuis que vous avez choisi le lecteur.\n\n"
     L"Rien n'a été formaté. Vérifiez le lecteur à formater, puis cliquez de nouveau sur «\u00A0Démarrer "
     L"le formatage\u00A0»."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"La lettre de lecteur %1: a été attribuée entre-temps à un autre lecteur.\n\n"
     L"Rien n'a été formaté. Choisissez une autre lettre, puis cliquez de nouveau sur «\u00A0Démarrer le "
     L"formatage\u00A0»."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Le nom de volume est trop long pour NTFS.\n\n"
     L"Un nom de volume NTFS ne peut pas dépasser 32 caractères."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Le nom de volume est trop long pour exFAT.\n\n"
     L"Un nom de volume exFAT ne peut pas dépasser 11 caractères."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark,
     L"Le nom de volume ne peut pas contenir de guillemet double (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Le nom de volume ne peut pas contenir de tabulation, de saut de ligne ni d'autre caractère de "
     L"contrôle."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Un nom de volume exFAT ne peut pas contenir le caractère '%1'.\n\n"
     L"N'utilisez pas ces caractères avec exFAT\u00A0: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Le nom de volume contient un caractère que les utilitaires de disque de ce système ne peuvent pas "
     L"traiter.\n\n"
     L"Utilisez les lettres, les chiffres et les signes de la langue de votre système."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted,
     L"Toutes les données du lecteur «\u00A0%1\u00A0» seront effacées."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Il contient %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP ne peut utiliser que les %1,%2 premiers To de ce lecteur\u00A0; le reste ne sera pas "
     L"utilisé."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Cliquez sur OK pour le formater, ou sur Annuler pour le conserver."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise détecté\u00A0!\n\n"
     L"Lorsque vous y serez invité, vous devrez appuyer sur [CONTINUE] sur le lecteur Quarrix pour "
     L"permettre la modification du système de fichiers. Sinon, le formatage n'aboutira pas."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Un lecteur est en cours de formatage.\n\n"
     L"Si vous arrêtez maintenant, le lecteur n'aura pas de système de fichiers utilisable tant qu'il "
     L"n'aura pas été formaté de nouveau.\n\n"
     L"Arrêter le formatage\u00A0?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Le formatage n'a pas encore commencé et rien n'a été modifié sur le lecteur.\n\n"
     L"Arrêter le formatage\u00A0?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"Le formatage a été arrêté avant d'avoir commencé. Rien n'a été modifié sur le lecteur."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Un lecteur est en cours de formatage."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion,
     L"Formatage terminé.\nVoulez-vous ouvrir le lecteur '%1:\\' maintenant\u00A0?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Ouvrez cette adresse dans votre navigateur web\u00A0: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Impossible de démarrer le formatage\u00A0: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Le lecteur est protégé en écriture. S'il possède un bouton de verrouillage, faites-le glisser en "
     L"position déverrouillée. S'il reste protégé en écriture, le lecteur est peut-être défaillant."},
    {TextId::CauseInUse,
     L"Le lecteur est utilisé par un autre programme. Fermez toutes les fenêtres et tous les programmes "
     L"qui utilisent le lecteur, puis cliquez de nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    {TextId::CauseAccessDenied,
     L"Windows a refusé l'accès au lecteur. Fermez tous les programmes qui utilisent le lecteur, y compris "
     L"les logiciels de sécurité qui l'analysent, puis cliquez de nouveau sur «\u00A0Démarrer le "
     L"formatage\u00A0»."},
    {TextId::CauseNotReady,
     L"Le lecteur n'est pas prêt. Débranchez-le, rebranchez-le, attendez que Windows l'affiche, puis "
     L"cliquez de nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    {TextId::CauseNoAnswer,
     L"Le lecteur n'a pas répondu à temps. Débranchez-le et branchez-le sur un autre port, puis cliquez de "
     L"nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    {TextId::CauseHardwareError,
     L"Le lecteur a signalé une erreur matérielle. Essayez un autre port ou un autre câble\u00A0; si "
     L"l'erreur se reproduit, le lecteur est peut-être défaillant."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Le lecteur est hors connexion. Mettez-le en ligne dans la Gestion des disques, puis cliquez de "
     L"nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    {TextId::CauseLabelRefused,
     L"Windows n'a pas accepté le nom de volume. Choisissez un autre nom, puis cliquez de nouveau sur "
     L"«\u00A0Démarrer le formatage\u00A0»."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"L'utilitaire de disque a signalé une erreur."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Impossible de démarrer l'utilitaire de disque\u00A0: %1"},
    {TextId::UtilityNotFound, L"L'utilitaire de disque est introuvable dans le dossier système."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com n'a pas pu formater le nouveau volume."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Le nouveau volume n'est pas apparu sous la lettre %1: sur le lecteur choisi\u00A0; il n'a donc pas "
     L"été formaté. Cliquez de nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Le lecteur a été formaté, mais le nouveau volume n'est pas apparu sous la lettre %1: sur le lecteur "
     L"choisi\u00A0; son nom de volume n'a donc pas été défini. Lorsque le lecteur apparaîtra, définissez "
     L"son nom dans l'Explorateur\u00A0: cliquez avec le bouton droit sur le lecteur, puis choisissez "
     L"«\u00A0Renommer\u00A0»."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Le lecteur n'a pas été formaté de nouveau, car la liste des lecteurs a changé. Vérifiez le lecteur, "
     L"puis cliquez de nouveau sur «\u00A0Démarrer le formatage\u00A0»."},
    {TextId::RunStopped,
     L"Le formatage a été arrêté. Le lecteur n'a pas de système de fichiers utilisable tant qu'il n'est "
     L"pas formaté de nouveau\u00A0: cliquez sur «\u00A0Démarrer le formatage\u00A0» pour le formater."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Le lecteur a été formaté, mais son nom de volume n'a pas pu être défini\u00A0: %1 Vous pouvez le "
     L"définir dans l'Explorateur\u00A0: cliquez avec le bouton droit sur le lecteur, puis choisissez "
     L"«\u00A0Renommer\u00A0»."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"erreur %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"L'utilitaire de disque a signalé\u00A0:"},
    {TextId::UtilityPrintedNothing, L"L'utilitaire de disque n'a rien affiché."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Code d'erreur\u00A0: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Appuyez sur Ctrl+C pour copier ce message."},
};

}  // namespace

extern const TextTable kFrenchTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
