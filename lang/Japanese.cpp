// The Japanese texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Quarrix ドライブの選択"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"ボリューム ラベル"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"ドライブ文字"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"ファイル システム"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"フォーマット開始"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"警告: Quarrix ドライブのデータはすべて削除されます！"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Quarrix ドライブが見つかりません"},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady,
     L"Quarrix ドライブが接続されていますが、準備ができていません。ロックを解除するか、接続し直してください。"},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"接続されている Quarrix ドライブをこのアカウントでは開けません。プログラムを管理者として実行してください。"},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Quarrix ドライブを再検索"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Quarrix Disk Formatter のバージョン情報"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"Quarrix_Disk_Formatter のバージョン情報(&A)..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Quarrix Disk Formatter v1.34 Beta の情報"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"ドライブのパーティションを作成しています..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"ドライブをフォーマットしています..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"フォーマットが正常に完了しました。"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"エラーが発生しました。"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"diskpart ファイルの作成中にエラーが発生しました。"},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"新しいボリュームに割り当てられる空きドライブ文字がありません。\n\n"
     L"ドライブを 1 台取り外すか、D: から Z: までのドライブ文字を 1 "
     L"つ空けてから、もう一度実行してください。"},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"パーティション作成スクリプトを書き込む一時フォルダーがありません。\n\n"
     L"お使いのアカウントの TEMP と TMP の設定を確認してから、プログラムをもう一度起動してください。"},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"ドライブを選択した後に、ドライブの一覧が変わりました。\n\n"
     L"まだ何もフォーマットされていません。フォーマットするドライブを確認してから、もう一度 "
     L"[フォーマット開始] をクリックしてください。"},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"確認している間に、ドライブ文字 %1: が別のドライブに割り当てられました。\n\n"
     L"まだ何もフォーマットされていません。別のドライブ文字を選択してから、もう一度 [フォーマット開始] "
     L"をクリックしてください。"},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"ボリューム ラベルが NTFS には長すぎます。\n\n"
     L"NTFS のボリューム ラベルは 32 文字までです。"},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"ボリューム ラベルが exFAT には長すぎます。\n\n"
     L"exFAT のボリューム ラベルは 11 文字までです。"},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"ボリューム ラベルに二重引用符 (\") は使用できません。"},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter, L"ボリューム ラベルにタブ、改行、その他の制御文字は使用できません。"},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"exFAT のボリューム ラベルに文字「%1」は使用できません。\n\n"
     L"exFAT では次の文字は使用できません: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"ボリューム ラベルに、このシステムのディスク ユーティリティが扱えない文字が含まれています。\n\n"
     L"お使いのシステムの言語の文字、数字、記号を使用してください。"},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"ドライブ「%1」のデータはすべて削除されます。"},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"このドライブのボリューム: %1"},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP で使用できるのは、このドライブの先頭 %1.%2 TB だけです。残りの領域は使用されません。"},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"フォーマットするには [OK] を、ドライブをそのままにするには [キャンセル] をクリックしてください。"},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise が検出されました。\n\n"
     L"ファイル システムを変更するには、メッセージが表示されたときに Quarrix ドライブで [CONTINUE] "
     L"を押す必要があります。押さないと、フォーマット処理は正常に完了しません。"},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"ドライブをフォーマットしています。\n\n"
     L"ここで中止すると、もう一度フォーマットするまで、ドライブには使用できるファイル "
     L"システムがありません。\n\n"
     L"フォーマットを中止しますか?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"フォーマットはまだ開始されておらず、ドライブの内容は何も変更されていません。\n\n"
     L"フォーマットを中止しますか?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"開始前にフォーマットを中止しました。ドライブの内容は何も変更されていません。"},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"ドライブをフォーマットしています。"},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"フォーマットが完了しました。\nドライブ %1:\\ を今すぐ開きますか?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"次のアドレスを Web ブラウザーで開いてください: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"フォーマットを開始できませんでした: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"ドライブは書き込み禁止になっています。ロック スイッチがある場合は、ロック解除の位置にスライドし"
     L"てください。それでも書き込み禁止のままの場合は、ドライブが故障している可能性があります。"},
    {TextId::CauseInUse,
     L"ドライブは別のプログラムで使用中です。ドライブを使用しているウィンドウとプログラムをすべて閉じて"
     L"から、もう一度 [フォーマット開始] をクリックしてください。"},
    {TextId::CauseAccessDenied,
     L"Windows によってドライブへのアクセスが拒否されました。ドライブをスキャンしているセキュリティ "
     L"ソフトウェアを含め、ドライブを使用しているプログラムをすべて閉じてから、もう一度 "
     L"[フォーマット開始] をクリックしてください。"},
    {TextId::CauseNotReady,
     L"ドライブの準備ができていません。ドライブを取り外して接続し直し、Windows "
     L"に表示されるまで待ってから、もう一度 [フォーマット開始] をクリックしてください。"},
    {TextId::CauseNoAnswer,
     L"ドライブが時間内に応答しませんでした。ドライブを取り外して別のポートに接続してから、もう一度 "
     L"[フォーマット開始] をクリックしてください。"},
    {TextId::CauseHardwareError,
     L"ドライブからハードウェア エラーが報告されました。別のポートまたはケーブルを試してください。エラ"
     L"ーが再発する場合は、ドライブが故障している可能性があります。"},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"ドライブはオフラインです。[ディスクの管理] でオンラインにしてから、もう一度 [フォーマット開始] "
     L"をクリックしてください。"},
    {TextId::CauseLabelRefused,
     L"Windows がボリューム ラベルを受け付けませんでした。別のラベルを指定してから、もう一度 "
     L"[フォーマット開始] をクリックしてください。"},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"ディスク ユーティリティからエラーが報告されました。"},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"ディスク ユーティリティを起動できませんでした: %1"},
    {TextId::UtilityNotFound, L"システム フォルダーにディスク ユーティリティが見つかりませんでした。"},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com で新しいボリュームをフォーマットできませんでした。"},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"新しいボリュームが選択したドライブにドライブ文字 %1: "
     L"で表示されなかったため、フォーマットしませんでした。もう一度 [フォーマット開始] "
     L"をクリックしてください。"},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"ドライブはフォーマットされましたが、新しいボリュームが選択したドライブにドライブ文字 %1: "
     L"で表示されなかったため、ボリューム ラベルを設定できませんでした。ドライブが表示されたら、"
     L"エクスプローラーでドライブを右クリックし、[名前の変更] を選んでラベルを設定してください。"},
    {TextId::DriveListChangedBeforeSecondRun,
     L"ドライブの一覧が変わったため、ドライブをもう一度フォーマットしませんでした。ドライブを確認してか"
     L"ら、もう一度 [フォーマット開始] をクリックしてください。"},
    {TextId::RunStopped,
     L"フォーマットを中止しました。もう一度フォーマットするまで、ドライブには使用できるファイル "
     L"システムがありません。フォーマットするには [フォーマット開始] をクリックしてください。"},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"ドライブはフォーマットされましたが、ボリューム ラベルを設定できませんでした: %1 "
     L"ラベルはエクスプローラーで設定できます。ドライブを右クリックして [名前の変更] を選んでください。"},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"エラー %1。"},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"ディスク ユーティリティからの報告:"},
    {TextId::UtilityPrintedNothing, L"ディスク ユーティリティは何も出力しませんでした。"},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"エラー コード: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Ctrl+C キーを押すと、このメッセージをコピーできます。"},
};

}  // namespace

extern const TextTable kJapaneseTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
