// The property codes: the fixed number of every property, written in front
// of its value in saved projects, with the internal name the dictionary
// spells it by. This list is the one place a code is declared; the property
// table and every class's property declarations take their codes from it.
#pragma once

namespace lx {

// X(code, enumerator, internal name). Code 29 is not assigned. Where two
// codes share an internal name, the second belongs to another kind of
// object (the turtle's own xCor and yCor, the slider's value).
// clang-format off
#define LX_PROPERTY_CODES(X) \
  X(0, kName, "name") \
  X(1, kAPos, "aPos") \
  X(2, kXCor, "xCor") \
  X(3, kYCor, "yCor") \
  X(4, kPos, "pos") \
  X(5, kSize, "size") \
  X(6, kWidth, "width") \
  X(7, kHeight, "height") \
  X(8, kHint, "hint") \
  X(9, kEnabled, "enabled") \
  X(10, kShown, "shown") \
  X(11, kValue, "value") \
  X(12, kRichText, "richText") \
  X(13, kFontText, "font_text") \
  X(14, kColour, "colour") \
  X(15, kBgcolourText, "bgcolour_text") \
  X(16, kEditing, "editing") \
  X(17, kTransparent, "transparent") \
  X(18, kStayEditing, "stayEditing") \
  X(19, kActivePage, "activePage") \
  X(20, kCaptionWindow, "caption_window") \
  X(21, kCaption, "caption") \
  X(22, kOneShot, "oneShot") \
  X(23, kStyle, "style") \
  X(24, kDown, "down") \
  X(25, kAllUp, "allUp") \
  X(26, kFlat, "flat") \
  X(27, kGroup, "group") \
  X(28, kPicture, "picture") \
  X(30, kMin, "min") \
  X(31, kMax, "max") \
  X(32, kValueSlider, "value_slider") \
  X(33, kVertical, "vertical") \
  X(34, kOrigin, "origin") \
  X(35, kBgLineColour, "bgLineColour") \
  X(36, kBgLineWidth, "bgLineWidth") \
  X(37, kBgPicture, "bgPicture") \
  X(38, kPageWho, "pageWho") \
  X(39, kBgColour, "bgColour") \
  X(40, kHeading, "heading") \
  X(41, kHomeState, "homeState") \
  X(42, kTurtleXCor, "xCor") \
  X(43, kTurtleYCor, "yCor") \
  X(44, kFillColour, "fillColour") \
  X(45, kFillPattern, "fillPattern") \
  X(46, kPen, "pen") \
  X(47, kPenColour, "penColour") \
  X(48, kPenWidth, "penWidth") \
  X(49, kPenPattern, "penPattern") \
  X(50, kRangeStyle, "rangeStyle") \
  X(51, kRange, "range") \
  X(52, kFrame, "frame") \
  X(53, kShape, "shape") \
  X(54, kShapeScale, "shapeScale") \
  X(55, kShapeColour, "shapeColour") \
  X(56, kAnimation, "animation") \
  X(57, kFont, "font") \
  X(58, kTransparentClick, "transparentClick") \
  X(59, kParentHandle, "parentHandle") \
  X(60, kFullPicture, "fullPicture") \
  X(61, kVoiceMenu, "voiceMenu") \
  X(62, kMainvoiceMenu, "mainvoiceMenu") \
  X(63, kFrameItem, "frameItem") \
  X(64, kAutoDrag, "autoDrag") \
  X(65, kSensitive, "sensitive") \
  X(66, kWindowState, "windowState") \
  X(67, kX, "x") \
  X(68, kY, "y") \
  X(69, kZ, "z") \
  X(70, kR, "r") \
  X(71, kU, "u") \
  X(72, kV, "v") \
  X(73, kRangeX, "rangeX") \
  X(74, kRangeY, "rangeY") \
  X(75, kRangeZ, "rangeZ") \
  X(76, kRangeR, "rangeR") \
  X(77, kRangeU, "rangeU") \
  X(78, kRangeV, "rangeV") \
  X(79, kDeadZoneX, "deadZoneX") \
  X(80, kDeadZoneY, "deadZoneY") \
  X(81, kDeadZoneZ, "deadZoneZ") \
  X(82, kDeadZoneR, "deadZoneR") \
  X(83, kDeadZoneU, "deadZoneU") \
  X(84, kDeadZoneV, "deadZoneV") \
  X(85, kAxesCount, "axesCount") \
  X(86, kButtonCount, "buttonCount") \
  X(87, kPov, "pov") \
  X(88, kButton1, "button1") \
  X(89, kButton2, "button2") \
  X(90, kButton3, "button3") \
  X(91, kButton4, "button4") \
  X(92, kButton5, "button5") \
  X(93, kButton6, "button6") \
  X(94, kButton7, "button7") \
  X(95, kButton8, "button8") \
  X(96, kButton9, "button9") \
  X(97, kButton10, "button10") \
  X(98, kButton11, "button11") \
  X(99, kButton12, "button12") \
  X(100, kButton13, "button13") \
  X(101, kButton14, "button14") \
  X(102, kButton15, "button15") \
  X(103, kButton16, "button16") \
  X(104, kButton17, "button17") \
  X(105, kButton18, "button18") \
  X(106, kButton19, "button19") \
  X(107, kButton20, "button20") \
  X(108, kButton21, "button21") \
  X(109, kButton22, "button22") \
  X(110, kButton23, "button23") \
  X(111, kButton24, "button24") \
  X(112, kButton25, "button25") \
  X(113, kButton26, "button26") \
  X(114, kButton27, "button27") \
  X(115, kButton28, "button28") \
  X(116, kButton29, "button29") \
  X(117, kButton30, "button30") \
  X(118, kButton31, "button31") \
  X(119, kButton32, "button32") \
  X(120, kFrameMode, "frameMode") \
  X(121, kBgcolourSlider, "bgcolour_slider") \
  X(122, kThumbLength, "thumbLength") \
  X(123, kBgLinePattern, "bgLinePattern") \
  X(124, kSelection, "selection") \
  X(125, kSelectedText, "selectedText") \
  X(126, kVelocityXY, "velocityXY") \
  X(127, kVelocity, "velocity") \
  X(128, kAngle, "angle") \
  X(129, kPrompt, "prompt") \
  X(130, kReadlistPrompt, "readlistPrompt") \
  X(131, kShownRange, "shownRange") \
  X(132, kDotName, ".name") \
  X(133, kSwitch, "switch") \
  X(134, kUseWho, "useWho") \
  X(135, kTransparentSlider, "transparent_slider") \
  X(136, kFilename, "filename") \
  X(137, kShowbuttonsMm, "showbuttons_mm") \
  X(138, kAddress, "address") \
  X(139, kMaximizedWeb, "maximized_web") \
  X(140, kStyleWeb, "style_web") \
  X(141, kHost, "host") \
  X(142, kUserID, "userID") \
  X(143, kPortEmail, "port_email") \
  X(144, kAttachments, "attachments") \
  X(145, kBody, "body") \
  X(146, kFromAddress, "fromAddress") \
  X(147, kFromName, "fromName") \
  X(148, kReplyTo, "replyTo") \
  X(149, kSubject, "subject") \
  X(150, kToAddress, "toAddress") \
  X(151, kToBlindCarbonCopy, "toBlindCarbonCopy") \
  X(152, kToCarbonCopy, "toCarbonCopy") \
  X(153, kShowToolbar, "showToolbar") \
  X(154, kServer, "server") \
  X(155, kDelayScale, "delayScale") \
  X(156, kPosition, "position") \
  X(157, kPlayState, "playState") \
  X(158, kStyleNet, "style_net") \
  X(159, kPort, "port") \
  X(160, kControlledObject, "controlledObject") \
  X(161, kAlign, "align") \
  X(162, kOrder, "order") \
  X(163, kCaptionWeb, "caption_web") \
  X(164, kShowTitleBar, "showTitleBar") \
  X(165, kCaptionMm, "caption_mm") \
  X(166, kShowtitlebarMm, "showtitlebar_mm") \
  X(167, kMaximized, "maximized") \
  X(168, kStyleMm, "style_mm") \
  X(169, kRunEnabled, "runEnabled") \
  X(170, kNickName, "nickName") \
  X(171, kMyPlace, "myPlace") \
  X(172, kNumber, "number") \
  X(173, kBorderColour, "borderColour") \
  X(174, kAcceptCommands, "acceptCommands") \
  X(175, kAcceptKeyMenu, "acceptKeyMenu") \
  X(176, kKeyMenu, "keyMenu") \
  X(177, kAcceptVoiceMenu, "acceptVoiceMenu") \
  X(178, kFrozen, "frozen") \
  X(179, kUserCanStop, "userCanStop") \
  X(180, kGrowWithValue, "growWithValue") \
  X(181, kOneLine, "oneLine") \
  X(182, kScreenState, "screenState") \
  X(183, kMainbarShown, "mainbarShown") \
  X(184, kPaintbarShown, "paintbarShown")
// clang-format on

namespace prop {

enum Code : int {
#define LX_PROPERTY_ENUMERATOR(code, enumerator, name) enumerator = code,
  LX_PROPERTY_CODES(LX_PROPERTY_ENUMERATOR)
#undef LX_PROPERTY_ENUMERATOR
};

}  // namespace prop

inline constexpr int kPropertyRows = 195;      // room for codes 0..194
inline constexpr int kLastPropertyCode = 184;  // the highest code in use

}  // namespace lx
