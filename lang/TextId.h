// Every text the program itself shows, by what it is. Each language has a table that gives each
// of these its words (lang/English.cpp and its translations). Pure: no Windows header.
#pragma once

enum class TextId {
    // The main window.
    DriveListLabel,
    VolumeLabelLabel,
    DriveLetterLabel,
    FileSystemLabel,
    StartFormatButton,
    WarningLine,
    NoDrivesEntry,
    ScanNotReady,
    ScanAccessRefused,
    SearchAgainToolTip,
    AboutToolTip,
    AboutMenuItem,

    // The About box.
    AboutCaption,
    AboutOkButton,

    // The status line of a run.
    StatusPartitioning,
    StatusFormatting,
    StatusFinished,
    StatusError,

    // Refusals before anything is written.
    ScriptNotCreated,
    NoFreeLetter,
    NoTempFolder,
    DriveListChanged,
    LetterTaken,
    LabelTooLongForNtfs,
    LabelTooLongForExfat,
    LabelHoldsQuotationMark,
    LabelHoldsControlCharacter,
    LabelHoldsCharacterExfatRefuses,
    LabelNotInCodePage,

    // Questions and warnings around a run.
    ConfirmDriveWillBeDeleted,
    ConfirmDriveHoldsVolumes,
    XpUnusedSpace,
    ConfirmPressOkOrCancel,
    EnterpriseWarning,
    StopQuestion,
    StopBeforeStartQuestion,
    StoppedBeforeStart,
    ShutdownReason,
    OpenDriveQuestion,
    OpenAddressYourself,
    FormatNotStarted,

    // The box that explains an error end.
    CauseWriteProtected,
    CauseInUse,
    CauseAccessDenied,
    CauseNotReady,
    CauseNoAnswer,
    CauseHardwareError,
    CauseOffline,
    CauseLabelRefused,
    CauseUnknown,
    UtilityNotStarted,
    UtilityNotFound,
    XpFormatFailed,
    NewLetterElsewhere,
    LabelLetterElsewhere,
    DriveListChangedBeforeSecondRun,
    RunStopped,
    LabelNotSet,
    LabelErrorNumber,
    UtilityReported,
    UtilityPrintedNothing,
    ErrorCodeLine,
    CopyMessageHint,

    Count  // not a text: the number of texts
};
