// The error codes in code order, by the names that key their messages in
// every interface dictionary; the tests of each language share it.
#pragma once

#include <array>

namespace lx {

// The error codes in code order; each name is its message's key. Code 46 is
// never raised and has no name.
// clang-format off
inline constexpr std::array<const char*, 198> kErrorNames = {
    /*   0 */ "erUnexpected", "erUser", "erWhatToDo", "erDoesNotLike",
    /*   4 */ "erEmptyList", "erEmptyWord", "erExpectList", "erExpectImage",
    /*   8 */ "erExpectWord", "erBadValue", "erBadStructure", "erShortList",
    /*  12 */ "erExpectNumber", "erExpectList2", "erExpectWav", "erExpectBadProc",
    /*  16 */ "erExpectColors", "erEmptyImage", "erExpectedXY", "erExpectPoint",
    /*  20 */ "erExpectRect", "erExpectNetStyle", "erExpectPen", "erExpectList6",
    /*  24 */ "erNoVal", "erDoNotKnowHowTo", "erMinMax", "erNotEnoughInputs",
    /*  28 */ "erEvenNumber", "erNotBool", "erMissingRpar", "erWrongSequence",
    /*  32 */ "erDiv0", "erDidNotReport", "erWrongPlace", "erWrongPlaceINI",
    /*  36 */ "erWrongPlaceAsk", "erWrongPlaceRepc", "erTooManyInputs", "erNotExecuted",
    /*  40 */ "erNoCatch", "erTooManyThingsInPars", "erFileProblem", "erNumTooBig",
    /*  44 */ "erReal", "erNoProperty", nullptr, "erCannotEraseProcIsPrim",
    /*  48 */ "erExtraRBracket", "erMCI", "erNoObject", "erNoSave",
    /*  52 */ "erNoPrint", "erNoTextboxName", "erIncopatible", "erObjectContain",
    /*  56 */ "erLumaxisEditor", "erOpenDoc", "erFileName", "erClipboard",
    /*  60 */ "erLumaxisProject", "erFileErase", "erFileRename", "erFolderErase",
    /*  64 */ "erFolderCreate", "erNamedObject", "erWrongPoints", "erInternWait0",
    /*  68 */ "erInternCanvas", "erInternDrawingIndex", "erImageFile", "erTurtleUnknown",
    /*  72 */ "erServerStart", "erServerSetting", "erServerMissing", "erServerConnect",
    /*  76 */ "erWrongSender", "erInitNet", "erInitTurtle", "erInitGraphic",
    /*  80 */ "erInitText", "erInitSlider", "erInitVideo", "erInitWeb",
    /*  84 */ "erInitMedia", "erInitWindow", "erInitPane", "erInitPage",
    /*  88 */ "erInitToolButton", "erInitToolWindow", "erInitEmail", "erInvalidPlace",
    /*  92 */ "erInvalidParent", "erDrawingComm", "erDrawingMissingList", "erDrawingMissingPoints",
    /*  96 */ "erDrawingWrongPoints", "erDrawingMissingFont", "erDrawingMissingText", "erDrawingMissingColor",
    /* 100 */ "erDrawingMissingFP", "erDrawingMissingPP", "erDrawingMissingNumber", "erDrawingMissingNumber2",
    /* 104 */ "erDrawingMissingComm", "erObjName", "erIncorrectNumber", "erVideoMissingFile",
    /* 108 */ "erVideoFileChanged", "erVideoState", "erJoyControl", "erJoyNumber",
    /* 112 */ "erJoyReadOnly", "erEraseDesc", "erEraseNoPage", "erTurtleName",
    /* 116 */ "erNameExist", "erNoCurPage", "erEraseOnlyPage", "erNoPageCreateObj",
    /* 120 */ "erFreeChannel", "erColorWrongName", "erInsertAsPage", "erMissingTO",
    /* 124 */ "erMissingToName", "erEmptyObjName", "erUndefObjVar", "erWrongVarName",
    /* 128 */ "erNoActiveToolbutton", "erNoMyplace", "erNoObjCreated", "erNotInsideWin",
    /* 132 */ "erNotInsidePage", "erMisspaced", "erNotFoundObj", "erInvalidParentAccpt",
    /* 136 */ "erMyPlaceChanged", "erIvalidPrototype", "erIvalidPrototypeMain", "erInvalidObjName",
    /* 140 */ "erWrongPrefix", "erUnknownKeyMenu", "erUsual", "erStackShiftTop",
    /* 144 */ "erStackShift", "erStackTop", "erStackPopnil", "erStackPop",
    /* 148 */ "erStackPop1", "erStackPopdec", "erStackDeletetop", "erStackLookstack",
    /* 152 */ "erStackReplaceTop", "erInternExecute", "erInternExecuteF", "erUnDefEvenet",
    /* 156 */ "erPageNotExist", "erNoActiveObj", "erInternLogoTab", "erDeepAsk",
    /* 160 */ "erInternPopWho", "erInternDestroy", "erInternShapeAnim", "erVoiceList",
    /* 164 */ "erEmailCreate", "erBadProcName", "erRedefineUsedProc", "erRedefinePrimitiveProc",
    /* 168 */ "erEditUsedProc", "erCannotEraseProcIsRunning", "erNoTextInput", "erUnsupportedLanguage",
    /* 172 */ "erErasePersistent", "erImageFileVersion", "erImageFileVersionPlugin", "erObjNameDuplicate",
    /* 176 */ "erCannotEdit", "erCannotEditVar", "erCannotEditEvent", "erCannotEditGlobalVar",
    /* 180 */ "erCannotEditProperty", "erMCIFileProblem", "erSwitchLanguage", "erCantEraseSetting",
    /* 184 */ "erLinkLoop", "erFileCreate", "erNoEmbeddedFileEXE", "erNoEmbeddedFilePlugin",
    /* 188 */ "erTempDirPlugin", "erNoExeLumaxis", "erPackage", "erNotAPackage",
    /* 192 */ "erAlreadyReading", "erAlreadyWriting", "erMissingRBracket", "erStackOverflow",
    /* 196 */ "erNoConnection", "errrr",
};
// clang-format on

}  // namespace lx
