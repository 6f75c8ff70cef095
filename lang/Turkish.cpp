// The Turkish texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Quarrix sürücüsünü seçin:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Birim etiketi:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Sürücü harfi:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Dosya sistemi:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Biçimlendirmeyi başlat"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Uyarı: Bu program Quarrix sürücüsündeki tüm verilerinizi silecek!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Quarrix sürücüsü bulunamadı."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Bir Quarrix sürücüsü takılı, ancak hazır değil: kilidini açın veya yeniden takın."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Bu hesabın takılı Quarrix sürücüsünü açma izni yok: programı yönetici olarak çalıştırın."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Quarrix sürücülerini yeniden ara"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Quarrix Disk Formatter hakkında"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"Quarrix_Disk_Formatter &hakkında..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Quarrix Disk Formatter v1.34 Beta bilgisi"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"Tamam"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Sürücü bölümlendiriliyor..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Sürücü biçimlendiriliyor..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Biçimlendirme başarıyla tamamlandı!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Bir hata oluştu!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"diskpart dosyası oluşturulurken bir hata oluştu."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Yeni birim için boş sürücü harfi yok.\n\n"
     L"Bir sürücüyü çıkarın veya D: ile Z: arasındaki harflerden birini boşaltın, sonra yeniden "
     L"deneyin."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Bölümlendirme betiğinin yazılabileceği bir geçici klasör yok.\n\n"
     L"Hesabınızın TEMP ve TMP ayarlarını denetleyin, sonra programı yeniden başlatın."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"Sürücüyü seçtiğinizden bu yana sürücü listesi değişti.\n\n"
     L"Hiçbir şey biçimlendirilmedi. Biçimlendirmek istediğiniz sürücüyü denetleyin, sonra "
     L"“Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"%1: sürücü harfi, siz karar verirken başka bir sürücüye atandı.\n\n"
     L"Hiçbir şey biçimlendirilmedi. Başka bir harf seçin, sonra “Biçimlendirmeyi başlat” düğmesine "
     L"yeniden basın."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Birim etiketi NTFS için çok uzun.\n\n"
     L"NTFS birim etiketi en fazla 32 karakter olabilir."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Birim etiketi exFAT için çok uzun.\n\n"
     L"exFAT birim etiketi en fazla 11 karakter olabilir."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"Birim etiketi çift tırnak işareti (\") içeremez."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Birim etiketi sekme, satır sonu veya başka bir denetim karakteri içeremez."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"exFAT birim etiketi '%1' karakterini içeremez.\n\n"
     L"exFAT birimlerinde şu karakterleri kullanmayın: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Birim etiketi, bu sistemin disk yardımcı programlarının işleyemediği bir karakter içeriyor.\n\n"
     L"Sisteminizin dilindeki harfleri, rakamları ve işaretleri kullanın."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"“%1” sürücüsündeki tüm veriler silinecek."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Sürücüdeki birimler: %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP bu sürücünün yalnızca ilk %1,%2 TB'lık kısmını kullanabilir; geri kalanı kullanılmadan "
     L"kalır."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Sürücüyü biçimlendirmek için Tamam'a, olduğu gibi bırakmak için İptal'e basın."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise algılandı!\n\n"
     L"Dosya sisteminin değiştirilebilmesi için, istendiğinde Quarrix sürücüsü üzerinde [CONTINUE] "
     L"düğmesine basmanız gerekecek. Aksi takdirde biçimlendirme işlemi başarıyla tamamlanmaz."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Bir sürücü biçimlendiriliyor.\n\n"
     L"Şimdi durdurursanız, sürücü yeniden biçimlendirilene kadar kullanılabilir bir dosya sistemi "
     L"olmaz.\n\n"
     L"Biçimlendirme durdurulsun mu?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Biçimlendirme henüz başlamadı ve sürücüde hiçbir şey değişmedi.\n\n"
     L"Biçimlendirme durdurulsun mu?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart, L"Biçimlendirme başlamadan durduruldu. Sürücüde hiçbir şey değişmedi."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Bir sürücü biçimlendiriliyor."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Biçimlendirme tamamlandı.\n'%1:\\' sürücüsü şimdi açılsın mı?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Bu adresi web tarayıcınızda açın: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Biçimlendirme başlatılamadı: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Sürücü yazmaya karşı korumalı. Üzerinde bir kilit anahtarı varsa, anahtarı kilit açık konumuna "
     L"kaydırın. Yazma koruması kalkmazsa sürücü arızalanıyor olabilir."},
    {TextId::CauseInUse,
     L"Sürücü başka bir program tarafından kullanılıyor. Sürücüyü kullanan tüm pencereleri ve "
     L"programları kapatın, sonra “Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    {TextId::CauseAccessDenied,
     L"Windows sürücüye erişimi reddetti. Sürücüyü tarayan güvenlik yazılımları da dahil olmak üzere "
     L"sürücüyü kullanan tüm programları kapatın, sonra “Biçimlendirmeyi başlat” düğmesine yeniden "
     L"basın."},
    {TextId::CauseNotReady,
     L"Sürücü hazır değil. Sürücüyü çıkarıp yeniden takın, Windows sürücüyü gösterene kadar bekleyin, "
     L"sonra “Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    {TextId::CauseNoAnswer,
     L"Sürücü zamanında yanıt vermedi. Sürücüyü çıkarıp başka bir bağlantı noktasına takın, sonra "
     L"“Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    {TextId::CauseHardwareError,
     L"Sürücü bir donanım hatası bildirdi. Başka bir bağlantı noktası veya kablo deneyin; hata "
     L"yinelenirse sürücü arızalanıyor olabilir."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Sürücü çevrimdışı. Disk Yönetimi'nde sürücüyü çevrimiçi duruma getirin, sonra “Biçimlendirmeyi "
     L"başlat” düğmesine yeniden basın."},
    {TextId::CauseLabelRefused,
     L"Windows birim etiketini kabul etmedi. Başka bir etiket seçin, sonra “Biçimlendirmeyi başlat” "
     L"düğmesine yeniden basın."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"Disk yardımcı programı bir hata bildirdi."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Disk yardımcı programı başlatılamadı: %1"},
    {TextId::UtilityNotFound, L"Disk yardımcı programı sistem klasöründe bulunamadı."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com yeni birimi biçimlendiremedi."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Yeni birim seçilen sürücüde %1: harfiyle görünmedi, bu nedenle biçimlendirilmedi. "
     L"“Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Sürücü biçimlendirildi, ancak yeni birim seçilen sürücüde %1: harfiyle görünmediği için birim "
     L"etiketi ayarlanmadı. Sürücü göründüğünde etiketi Dosya Gezgini'nde ayarlayın: sürücüye sağ tıklayın "
     L"ve “Yeniden adlandır” komutunu seçin."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Sürücü listesi değiştiği için sürücü yeniden biçimlendirilmedi. Sürücüyü denetleyin, sonra "
     L"“Biçimlendirmeyi başlat” düğmesine yeniden basın."},
    {TextId::RunStopped,
     L"Biçimlendirme durduruldu. Sürücü yeniden biçimlendirilene kadar kullanılabilir bir dosya "
     L"sistemi yok: biçimlendirmek için “Biçimlendirmeyi başlat” düğmesine basın."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Sürücü biçimlendirildi, ancak birim etiketi ayarlanamadı: %1 Etiketi Dosya Gezgini'nde "
     L"ayarlayabilirsiniz: sürücüye sağ tıklayın ve “Yeniden adlandır” komutunu seçin."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"hata %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"Disk yardımcı programı şunu bildirdi:"},
    {TextId::UtilityPrintedNothing, L"Disk yardımcı programı hiçbir çıktı vermedi."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Hata kodu: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Bu iletiyi kopyalamak için Ctrl+C tuşlarına basın."},
};

}  // namespace

extern const TextTable kTurkishTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
