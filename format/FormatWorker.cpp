#include "format/FormatWorker.h"

#include <memory>
#include <optional>

#include "app/MainDialog.h"
#include "app/ShellOpen.h"
#include "drives/DiskSource.h"
#include "format/ChildProcess.h"
#include "format/DiskUtilities.h"
#include "format/EnvironmentRules.h"
#include "format/OutputRules.h"
#include "format/RunExplanation.h"
#include "format/RunQuestions.h"
#include "format/ScriptRules.h"
#include "format/SystemMessage.h"

namespace {

void RestoreControls(CQuarrix_Disk_FormatterDlg& dialog) {
    dialog.m_progress.ShowWindow(SW_HIDE);
    dialog.m_startButton.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.EnableWindow(TRUE);
}

// The explanation of the error end goes back to the dialog, which shows it once the run is over.
RunEndNotice ErrorEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder, RunControl& control,
                      const RunOutcome& outcome) {
    control.Finish();
    dialog.m_warningText.SetWindowText(dialog.m_texts[TextId::StatusError]);
    DeleteScriptFiles(folder);
    RestoreControls(dialog);
    return {RunEndNotice::Box::Error, ExplainFailedRun(dialog.m_texts, outcome)};
}

// Stopped before any utility started: the drive is as it was, so the window is too, with the
// warning line back, and the user is told so, as information.
RunEndNotice StoppedBeforeStartEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder,
                                   RunControl& control) {
    control.Finish();
    dialog.m_warningText.SetRole(TextRole::WarningLine);
    dialog.m_warningText.SetWindowText(dialog.m_texts[TextId::WarningLine]);
    DeleteScriptFiles(folder);
    RestoreControls(dialog);
    return {RunEndNotice::Box::Information, dialog.m_texts[TextId::StoppedBeforeStart]};
}

// An ending whose explanation names the chosen letter: taken by another drive before the run, or
// leading to another disk than the one just partitioned, which is left as it is.
RunOutcome OutcomeNamingTheLetter(const CQuarrix_Disk_FormatterDlg& dialog, RunEnding ending) {
    RunOutcome outcome{ending};
    outcome.driveLetter = dialog.m_driveLetter.empty() ? L'?' : dialog.m_driveLetter[0];
    return outcome;
}

// The letter the script assigns was taken by another drive: nothing ran, and the window lists
// the letters again.
RunEndNotice LetterTakenEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder, RunControl& control,
                            HeldScript& script) {
    script.Discard();
    RunEndNotice notice = ErrorEnd(dialog, folder, control, OutcomeNamingTheLetter(dialog, RunEnding::LetterTaken));
    notice.scanDrivesAgain = true;
    return notice;
}

// How a utility run ended: `ending` when it ran, else why it could not be started.
RunOutcome OutcomeOf(const CapturedOutput& run, RunEnding ending) {
    if (!run.started)
        return {RunEnding::UtilityNotStarted, std::uint32_t(run.startError), {}, SystemErrorMessage(run.startError)};
    return {ending, std::uint32_t(run.exitCode), run.text};
}

RunEndNotice NormalEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder, RunControl& control,
                       bool windowsXp) {
    // Nothing is left to stop, so the window asks nothing while the question waits.
    control.Finish();
    RestoreControls(dialog);
    DeleteScriptFiles(folder);
    if (windowsXp && AfxMessageBox(BuildOpenDriveQuestion(dialog.m_texts, dialog.m_driveLetter), MB_YESNO, 0) == IDYES) {
        ShellOpen(DriveRootPath(dialog.m_driveLetter));
    }
    return {};
}

// Before format.com formats the new letter or the new volume is labelled, the letter must be the
// volume of the disk just partitioned; another disk that holds it must never be touched.
bool LetterBelongsToTheDisk(const CQuarrix_Disk_FormatterDlg& dialog) {
    if (dialog.m_driveLetter.size() != 1) return false;
    const std::optional<std::uint32_t> disk = DiskNumberOfVolume(dialog.m_driveLetter[0]);
    return disk && DiskNumberText(*disk) == dialog.m_diskNumber;
}

// Runs one utility unless the run has been stopped; nothing when it was stopped before the utility
// started or while it ran (a utility that was ended may still exit with 0).
std::optional<CapturedOutput> RunUnlessStopped(RunControl& control, const std::wstring& programPath,
                                               const std::wstring& commandLine) {
    if (control.IsStopped()) return std::nullopt;
    CapturedOutput output = RunCommandAndCapture(programPath, commandLine, &control);
    if (control.IsStopped()) return std::nullopt;
    return output;
}

// Diskpart may fail when it starts too soon after its previous run by this window. A stop ends
// the pause at once: nothing is left to wait for. The tick count is used because the system
// clock may be set back or forth meanwhile, and the steady clock of some builds follows it.
void WaitOutDiskpartPause(const CQuarrix_Disk_FormatterDlg& dialog, const RunControl& control) {
    if (!dialog.m_diskpartEndedTick) return;
    const DWORD remaining = RemainingPauseMs(*dialog.m_diskpartEndedTick, ::GetTickCount(), DiskUtilityPauseMs());
    if (remaining > 0) control.PauseUnlessStopped(remaining);
}

// Diskpart, once the pause is over; nothing when the run was stopped. Its end counts for the
// next pause even when the run was stopped while it ran.
std::optional<CapturedOutput> RunDiskpart(CQuarrix_Disk_FormatterDlg& dialog, RunControl& control,
                                          const std::wstring& utilities) {
    const bool stoppedBefore = control.IsStopped();
    std::optional<CapturedOutput> run = RunUnlessStopped(control, utilities + L"diskpart.exe", dialog.m_commandLine);
    if (!stoppedBefore && (!run || run->started)) dialog.m_diskpartEndedTick = ::GetTickCount();
    return run;
}

// A stopped run: before any utility started the drive is untouched, else it is left half done.
RunEndNotice StoppedEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder, RunControl& control) {
    if (!control.HasStarted()) return StoppedBeforeStartEnd(dialog, folder, control);
    return ErrorEnd(dialog, folder, control, RunOutcome{RunEnding::Stopped});
}

RunEndNotice RunFormat(FormatThreadParam& record) {
    CQuarrix_Disk_FormatterDlg& dialog = *record.dialog;
    const bool windowsXp = IsWindowsXp(dialog.m_osProductName);

    dialog.m_progress.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.ShowWindow(SW_HIDE);
    dialog.m_warningText.SetRole(TextRole::StatusLine);
    // The utilities are started by full path, never looked for where other programs could be.
    const std::wstring utilities = DiskUtilityFolder();
    dialog.m_warningText.SetWindowText(dialog.m_texts[windowsXp ? TextId::StatusPartitioning : TextId::StatusFormatting]);
    dialog.m_startButton.EnableWindow(FALSE);

    RunControl& control = *record.control;
    if (utilities.empty()) return ErrorEnd(dialog, record.folder, control, RunOutcome{RunEnding::UtilityNotFound});

    WaitOutDiskpartPause(dialog, control);
    // The request checked the letter before the pause; a drive plugged in since may have taken it.
    if (!control.IsStopped() && !dialog.ChosenLetterStillFree())
        return LetterTakenEnd(dialog, record.folder, control, record.script);
    std::optional<CapturedOutput> partitioning = RunDiskpart(dialog, control, utilities);
    // The first run on a USB drive sometimes fails in a way the next run does not: it runs once
    // more after the pause, if the chosen drive is still the disk behind its number right then.
    bool driveListChanged = false;
    if (partitioning && partitioning->started && IsDiskpartFailureWorthRunningAgain(partitioning->exitCode)) {
        WaitOutDiskpartPause(dialog, control);
        driveListChanged = !dialog.ChosenDriveStillAttached(record.drivePath);
        if (!driveListChanged) partitioning = RunDiskpart(dialog, control, utilities);
    }
    // The utility's last run has ended: the script is let go, for the clean-up to delete.
    record.script.Release();
    if (!partitioning) return StoppedEnd(dialog, record.folder, control);
    if (driveListChanged)
        return ErrorEnd(dialog, record.folder, control, OutcomeOf(*partitioning, RunEnding::DriveListChanged));
    if (ClassifyDiskpartOutput(partitioning->started, partitioning->exitCode, partitioning->text) ==
        DiskpartVerdict::Error)
        return ErrorEnd(dialog, record.folder, control, OutcomeOf(*partitioning, RunEnding::UtilityFailed));

    if (windowsXp) {
        // The partitioning only made the volume: format.com formats it before anything is called done.
        const std::wstring formatCommand = BuildXpFormatCommand(dialog.m_driveLetter, dialog.m_volumeLabel);
        dialog.m_warningText.SetWindowText(dialog.m_texts[TextId::StatusFormatting]);
        if (!LetterBelongsToTheDisk(dialog))
            return ErrorEnd(dialog, record.folder, control,
                            OutcomeNamingTheLetter(dialog, RunEnding::NewLetterElsewhere));
        const std::optional<CapturedOutput> formatting =
            RunUnlessStopped(control, utilities + L"format.com", formatCommand);
        if (!formatting) return StoppedEnd(dialog, record.folder, control);
        // format.com tells its outcome by its exit code alone; its size lines differ between versions.
        if (!formatting->started || formatting->exitCode != 0)
            return ErrorEnd(dialog, record.folder, control, OutcomeOf(*formatting, RunEnding::XpFormatFailed));
    }
    if (LabelSetAfterFormat(dialog.m_volumeLabel, windowsXp)) {
        // The script left the label out: it is set here, exactly as typed, on the new volume. No
        // utility runs any more, so nothing is left to stop.
        control.Finish();
        if (!LetterBelongsToTheDisk(dialog))
            return ErrorEnd(dialog, record.folder, control,
                            OutcomeNamingTheLetter(dialog, RunEnding::LabelLetterElsewhere));
        const DWORD error = SetNewVolumeLabel(dialog.m_driveLetter[0], dialog.m_volumeLabel);
        if (error != ERROR_SUCCESS)
            return ErrorEnd(dialog, record.folder, control,
                            {RunEnding::LabelNotSet, std::uint32_t(error), {}, SystemErrorMessage(error)});
    }
    dialog.m_warningText.SetWindowText(dialog.m_texts[TextId::StatusFinished]);

    return NormalEnd(dialog, record.folder, control, windowsXp);
}

}  // namespace

UINT FormatThreadProc(LPVOID parameter) {
    std::unique_ptr<FormatThreadParam> record(static_cast<FormatThreadParam*>(parameter));
    const HWND window = record->dialog->GetSafeHwnd();
    const std::shared_ptr<RunControl> control = record->control;
    RunEndNotice notice = RunFormat(*record);
    record.reset();
    const UINT result = notice.box == RunEndNotice::Box::Error ? 1 : 0;
    // The last use of the dialog: once the end is left with the control, the window may take it
    // and close. The message only tells the window to look there; the worker does not wait. A
    // full message queue cannot keep it from arriving: a sent message does not wait in it.
    control->End(std::move(notice));
    if (!::PostMessageW(window, WM_APP_FORMAT_RUN_ENDED, 0, 0))
        ::SendNotifyMessageW(window, WM_APP_FORMAT_RUN_ENDED, 0, 0);
    return result;
}
