#!/usr/bin/env python3
"""Writes the three layout files resources/org1.ini .. org3.ini.

One file per language: 1 English, 2 Russian (longer captions), 3 Chinese
(shorter captions, three language buttons in the header). A value is either
one integer for all three files or a tuple (org1, org2, org3).

Usage: generate_layout.py [resources-folder]
"""

import pathlib
import sys

LAYOUTS = (1, 2, 3)

# Window 1030 x 662; anything at or beyond HIDDEN is out of view.
HIDDEN = 9000

HEADING = (79, 200, 255)
TEXT = (220, 220, 220)
ACCENT = (46, 197, 255)
DIM = (120, 128, 140)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def per_layout(value):
    if isinstance(value, tuple):
        assert len(value) == len(LAYOUTS), value
        return value
    return (value,) * len(LAYOUTS)


class Section:
    def __init__(self, heading):
        self.heading = heading
        self.lines = []  # ("comment", text) or (key, (v1, v2, v3))

    def note(self, text):
        self.lines.append(("comment", text))

    def key(self, name, value):
        self.lines.append((name, per_layout(value)))

    def value(self, name, value):
        self.key(name, value)

    def pos(self, stem, x, y):
        self.key(stem + "_X", x)
        self.key(stem + "_Y", y)

    def hidden(self, stem):
        self.pos(stem, HIDDEN, HIDDEN)

    def colour(self, stem, rgb):
        rgb = rgb if isinstance(rgb[0], tuple) else (rgb,) * len(LAYOUTS)
        for i, part in enumerate("RGB"):
            self.key(stem + "_" + part, tuple(c[i] for c in rgb))

    def switch(self, stem, enable, x, y):
        self.key(stem + "_Enable", enable)
        self.pos(stem, x, y)

    def label(self, stem, x, y, rgb, size, width):
        self.pos(stem, x, y)
        self.colour(stem, rgb)
        self.key(stem + "_Size", size)
        self.key(stem + "_Width", width)


def header(layout):
    return [
        "; ORVA310B layout %d: where each control of the main window and of the" % layout,
        "; dialogs stands, how large its text is and which colour it has.",
        "; Coordinates are pixels from the top-left corner of the window (of the",
        "; panel for the delay and insert panels, of the dialog picture for the",
        "; dialogs); sizes are points; colours are _R, _G, _B of 0..255.",
        "; A control is hidden by a coordinate far outside the 1030 x 662 window.",
        "; Written by tools/layout/generate_layout.py: change the generator, not this file.",
    ]


def buttons():
    a = Section("Confirm & Apply & Reset & Exit Button")
    a.note("Caption font of the 110 x 27 buttons (confirm, apply, read, default sets)")
    a.value("Size_A", (11, 10, 11))
    a.colour("Color_A", TEXT)
    a.note("A1 confirm, A5/A6 default sets 2 and 3: not offered")
    a.switch("Btn_A1", 0, HIDDEN, HIDDEN)
    a.note("A2 apply, A8 read, A3 default set 1 (Reset): bottom bar")
    a.switch("Btn_A2", 1, 820, 600)
    a.switch("Btn_A3", 1, 280, 600)
    a.note("A4 close, A7 minimise: 22 x 22, top right")
    a.switch("Btn_A4", 1, 994, 16)
    a.switch("Btn_A5", 0, HIDDEN, HIDDEN)
    a.switch("Btn_A6", 0, HIDDEN, HIDDEN)
    a.switch("Btn_A7", 1, 964, 16)
    a.switch("Btn_A8", 1, 700, 600)

    b = Section("Setting & Profile Button")
    b.note("Caption font of the page, file and language buttons")
    b.value("Size_B", (11, 10, 10))
    b.colour("Color_B", TEXT)
    b.note("Margins of the captions inside the button pictures")
    b.value("Btn_Space_F", (0, 0, 22))  # language 3: clear of the globe on the language buttons
    b.value("Btn_Space_B", (0, 0, 16))  # and of the dot of the selected one
    b.note("Page buttons: B1 profile 1, B2 profile 2, B4 advanced, B5 LED (B11 macro below)")
    b.switch("Btn_B1", 1, 126, 66)
    b.switch("Btn_B2", 1, 246, 66)
    b.switch("Btn_B4", 1, 366, 66)
    b.switch("Btn_B5", 1, 486, 66)
    b.note("B6 save and B7 load a profile file: bottom bar")
    b.switch("Btn_B6", 1, 40, 600)
    b.switch("Btn_B7", 1, 160, 600)
    b.note("Language buttons B8, B9, B10")
    b.switch("Btn_B8", 1, (898, 898, 638), (65, 65, 30))
    b.switch("Btn_B9", 1, (898, 898, 738), (100, 100, 30))
    b.switch("Btn_B10", (0, 0, 1), (HIDDEN, HIDDEN, 838), (HIDDEN, HIDDEN, 30))
    b.switch("Btn_B11", 1, 606, 66)
    b.note("Combined advanced and LED page button: not used")
    b.switch("Btn_B12", 0, HIDDEN, HIDDEN)
    return [a, b]


def profile_page():
    s = Section("Mouse Keys Button")
    s.note("Button labels Key1..Key9; the profile-switch captions take Size_C - 1")
    s.value("Size_C", (10, 11, 12))
    s.colour("Color_C", TEXT)
    s.note("Mouse picture")
    s.pos("P1", 215, 142)
    s.note("Button labels (Key_Width wide): left column x 22, right column x 818")
    left, right = 22, 818
    s.switch("Key1", 1, left, 170)
    s.switch("Key2", 1, right, 170)
    s.switch("Key3", 1, right, 240)
    s.switch("Key4", 1, left, 240)
    s.switch("Key5", 1, left, 310)
    s.note("Button 6 (DPI button) and button 7 (right side): the languages' mice differ")
    s.switch("Key6", (0, 0, 1), left, 380)
    s.switch("Key7", (1, 1, 0), right, 310)
    s.switch("Key8", 1, left, 450)
    s.switch("Key9", 1, right, 380)
    s.note("Profile-switch options below the button columns; option 3 only on profile 2 with gun keys")
    s.switch("ComboKey1", 1, 30, 500)
    s.switch("ComboKey2", 1, 680, 500)
    s.switch("ComboKey3", 1, 30, 528)
    s.note("Not used: the captions stand at ComboKey_D, ComboKey_H from their check boxes")
    for n, (x, y) in ((1, (52, 500)), (2, (702, 500)), (3, (52, 528))):
        s.label("ComboKey%d_Lable" % n, x, y, TEXT, (9, 10, 11), 326)
    s.note("Caption width and offset of the profile-switch options")
    s.value("Combox_Width", 326)
    s.value("ComboKey_D", 22)
    s.value("ComboKey_H", 0)
    return s


def menus():
    s = Section("Mouse Keys Parameters List")
    s.note("Key-function menus: entry font and colours")
    s.value("Size_G", (11, 10, 11))
    s.colour("Color_G", TEXT)
    s.colour("Color_G_Back", (24, 28, 36))
    s.colour("Color_G_Border", (60, 72, 88))
    s.note("Entry under the pointer: text and background")
    s.colour("Color_G_SF", (16, 20, 26))
    s.colour("Color_G_SP", ACCENT)
    s.note("Widths of the main menu, the special-key menu and the other sub-menus")
    s.value("M_L_W", (210, 232, 180))
    s.value("SP_L_W", (200, 226, 170))
    s.value("O_L_W", (170, 196, 150))
    s.note("Width of the button labels Key1..Key9")
    s.value("Key_Width", 190)
    return s


def advanced_page():
    s = Section("Advanced Page")
    s.note("Slider tick labels, DPI values, fire-key edits (DPI names take Size_D + 1)")
    s.value("Size_D", 10)
    s.colour("Color_D_Selected", ACCENT)
    s.colour("Color_D_notSelected", TEXT)
    s.colour("Color_D_Back", (14, 16, 20))
    s.colour("Color_D_Border", (60, 72, 88))
    s.note("Page picture: pointer section left, DPI section right")
    s.pos("P2", 115, 150)
    s.note("Fire key: repeat count and interval edits, continuous option")
    s.pos("FKCnt", (212, 200, 212), 196)
    s.pos("FKDelay", (344, 326, 330), 196)
    s.pos("IsFireContinue", (400, 376, 386), 198)
    s.note("Pointer speed slider and its 11 tick labels (D apart, 26 below)")
    s.key("Spd_X", 150)
    s.key("Spd_Y", 266)
    s.key("Spd_D", 26)
    s.pos("IsControl", (300, 312, 300), 242)
    s.note("Double-click and wheel sliders")
    s.key("DbSpd_X", 150)
    s.key("DbSpd_Y", 350)
    s.key("DbSpd_D", 26)
    s.key("ScrSpd_X", 150)
    s.key("ScrSpd_Y", 434)
    s.key("ScrSpd_D", 26)
    s.pos("IsScreen", (300, 312, 300), 410)
    s.note("DPI rows: name, level selector, value, slider, colour swatch; row 7 not offered")
    rows = [196 + 38 * i for i in range(6)]
    for n in range(1, 8):
        s.pos("DPI%d" % n, 582, rows[n - 1] + 2 if n <= 6 else 9424)
    for n in range(1, 8):
        s.pos("DPI%d_Check" % n, 557, rows[n - 1] + 3 if n <= 6 else 9424)
    for n in range(1, 8):
        s.pos("DPI%d_Value" % n, 630, rows[n - 1] + 4 if n <= 6 else 9424)
    for n in range(1, 8):
        s.pos("DPI%d_Steps" % n, 676, rows[n - 1] if n <= 6 else 9424)
        s.key("DPI%d_Steps_D" % n, 18)
    for n in range(1, 8):
        s.pos("DPI%d_Color" % n, 533, rows[n - 1] + 4 if n <= 6 else 9424)
    s.note("Aim key row")
    s.pos("AIMKey", 574, 426)
    s.pos("AIMKey_Value", 630, 428)
    s.pos("AIMKey_Steps", 676, 424)
    s.key("AIMKey_Steps_D", 18)
    s.note("DPI count box")
    s.pos("DPI_Count", (684, 700, 650), 466)
    s.value("DPI_Count_Visible", 1)
    s.note("Fire-key headings")
    s.label("Fire_Key_Lable", 135, 161, HEADING, (13, 12, 13), 360)
    s.label("Fire_Key_Count_Lable", 135, 198, TEXT, 11, (74, 60, 74))
    s.label("Fire_Key_Time_Lable", (262, 250, 262), 198, TEXT, 11, (80, 72, 66))
    s.label("Fire_Key_Continue_Lable", (422, 398, 408), 198, TEXT, 11, (88, 110, 100))
    s.note("Pointer headings and options")
    s.label("Mouse_Speed_Lable", 135, 238, HEADING, (13, 12, 13), (160, 172, 160))
    s.label("Mouse_IsControl_Lable", (322, 334, 322), 240, TEXT, 10, (190, 178, 190))
    s.label("Mouse_Double_Click_Lable", 135, 322, HEADING, (13, 12, 13), 360)
    s.label("Mouse_Roller_Speed_Lable", 135, 406, HEADING, (13, 12, 13), (160, 172, 160))
    s.label("Mouse_Roll_All_Screen_Lable", (322, 334, 322), 408, TEXT, 10, (190, 178, 190))
    s.note("DPI headings")
    s.label("DPI_Setting_Lable", 539, 161, HEADING, (13, 12, 13), 360)
    s.label("DPI_Value_Lable", 539, 468, TEXT, 11, (140, 156, 106))
    s.label("DPI_Note_Lable", 539, 494, DIM, 10, 360)
    s.note("DPI names lbl_DPI1..lbl_DPI7 (placed by the DPI rows above)")
    s.colour("DPI_Lable", TEXT)
    s.key("DPI_Lable_Size", 11)
    s.key("DPI_Lable_Width", 44)
    s.note("Background of all sliders")
    s.colour("Color_BG_Slider", (18, 20, 24))
    return s


def led_page():
    s = Section("Breathing Page")
    s.note("Numbers of the LED count bar")
    s.value("Size_E", 9)
    s.colour("Color_E", TEXT)
    s.note("Page picture: settings left, lit mouse right")
    s.pos("P3", 115, 150)
    s.note("LED on/off: not offered")
    s.pos("LEDOn", HIDDEN, 8192)
    s.pos("LEDOff", HIDDEN, 8192)
    s.note("Option pairs: check image, caption from the labels below")
    s.pos("B4CPIOn", 416, 282)
    s.pos("B4CPIOff", (516, 536, 516), 282)
    s.pos("LEDSwitchOn", 416, 222)
    s.pos("LEDSwitchOff", (516, 536, 516), 222)
    s.pos("SaveKeyMode", 416, 342)
    s.pos("NoSaveKeyMode", (516, 536, 516), 342)
    s.note("Streamer brightness choice: not offered")
    s.hidden("LED3Control")
    s.hidden("LED6Control")
    s.note("Streamer mode pictures 1..7")
    modes = [196 + 28 * i for i in range(7)]
    for n in range(1, 8):
        s.pos("MCULEDMode%d" % n, 137, modes[n - 1])
    s.note("Speed slider (the step cells go out of view)")
    s.pos("MCULEDStep", 202, 486)
    s.key("MCULEDStep_D", 5)
    s.note("LED count bar: ten cells D apart, numbers 24 below")
    s.pos("MCULEDNum", 137, 406)
    s.key("MCULEDNum_D", 5)
    s.note("Two-colour mode pictures: in place of the streamer modes")
    for n in range(1, 8):
        s.pos("RBLEDMode%d" % n, 137, modes[n - 1])
    s.note("LED on/off captions: not offered")
    s.label("LED_Status_Lable", HIDDEN, 8192, HEADING, 11, 200)
    s.label("LED_On_Lable", HIDDEN, 8192, TEXT, 10, 80)
    s.label("LED_Off_Lable", HIDDEN, 8192, TEXT, 10, 80)
    s.note("Mode switch by left button + DPI")
    s.label("LCPI_Status_Lable", 414, 196, HEADING, (11, 10, 11), 222)
    s.label("LCPI_On_Lable", 438, 222, TEXT, 10, (74, 94, 74))
    s.label("LCPI_Off_Lable", (538, 558, 538), 222, TEXT, 10, (96, 76, 96))
    s.note("Light switch by middle button + DPI")
    s.label("MCPI_Status_Lable", 414, 256, HEADING, (11, 10, 11), 222)
    s.label("MCPI_On_Lable", 438, 282, TEXT, 10, (74, 94, 74))
    s.label("MCPI_Off_Lable", (538, 558, 538), 282, TEXT, 10, (96, 76, 96))
    s.note("Brightness: all or half")
    s.label("LED_Light_Status_Lable", 414, 316, HEADING, (11, 10, 11), 222)
    s.label("LED_Light_All_Lable", 438, 342, TEXT, 10, (74, 94, 74))
    s.label("LED_Light_Half_Lable", (538, 558, 538), 342, TEXT, 10, (96, 76, 96))
    s.note("Mode heading and mode captions (both LED kinds)")
    s.label("LED_Mode_Lable", 135, 161, HEADING, (13, 12, 13), 300)
    for n in range(1, 8):
        s.pos("LED_Mode_%d_Lable" % n, 160, modes[n - 1])
        s.key("LED_Mode_%d_Lable_Width" % n, (240, 244, 240))
    s.colour("LED_Mode_Option_Lable", TEXT)
    s.key("LED_Mode_Option_Lable_Size", (10, 9, 10))
    s.note("Speed slider heading and its ends")
    s.label("LED_Effect_Setting_Lable", 135, 460, HEADING, (11, 10, 11), 240)
    s.label("LED_Effect_Slow_Lable", 135, 489, TEXT, (10, 9, 10), 64)
    s.label("LED_Effect_Fast_Lable", 436, 489, TEXT, (10, 9, 10), 64)
    s.note("Step numbers: out of view with the step cells")
    s.colour("LED_Step_Option_Lable", TEXT)
    s.key("LED_Step_Option_Lable_Size", 9)
    for n in range(1, 9):
        s.pos("LED_Step_%d_Lable" % n, HIDDEN, HIDDEN)
        s.key("LED_Step_%d_Lable_Width" % n, 20)
    return s


def macro_page():
    s = Section("Macro Page")
    s.note("Macro page buttons, lists, pop-up entries and panels")
    s.value("Size_F", 10)
    s.colour("Color_F", TEXT)
    s.colour("Color_F_LBack", (14, 16, 20))
    s.colour("Color_F_LBorder", (60, 72, 88))
    s.colour("Color_F_Font", TEXT)
    s.colour("Color_F_Back", (30, 34, 42))
    s.note("Page picture: library, content, options")
    s.pos("P4", 115, 150)
    s.value("MacroNameHeight", 20)
    s.note("Macro library list (height H, width W) and content list")
    s.pos("PCMacroName", 133, 196)
    s.key("PCMacroName_H", 276)
    s.key("PCMacroName_W", 216)
    s.pos("MacroContent", 381, 196)
    s.key("MacroContent_W", 280)
    s.note("New, record and delete buttons (113 x 28)")
    s.pos("BtnNew", 127, 480)
    s.pos("BtnStart", 465, 480)
    s.pos("BtnDelete", 244, 480)
    s.note("Delay panel; the keys below it are panel coordinates")
    s.pos("DelayTime", 685, 190)
    s.pos("RecDelay", 10, 6)
    s.key("RecDelay_H", 28)
    s.pos("DelaySetting", 10, 34)
    s.pos("NoDelay", 10, 92)
    s.pos("DelayEdit", 30, 60)
    s.pos("CircleEdit", (150, 156, 130), 192)
    s.pos("ReleaseStop", 10, 128)
    s.pos("ReleaseContinue", 10, 154)
    s.pos("CircleTimes", 10, 192)
    s.pos("CircleAll", 10, 220)
    s.note("Insert panel; the keys below it are panel coordinates")
    s.pos("Insert", 690, 196)
    s.pos("InsertList", 8, 6)
    s.pos("InsertRecDelay", 10, 30)
    s.key("InsertRecDelay_H", 22)
    s.pos("InsertDelayEdit", 84, 98)
    s.pos("InsertAxisEdit", 74, 98)
    s.pos("InsertBtnStart", 8, 128)
    s.pos("InsertBtnOK", 158, 94)
    s.pos("InsertBtnCancel", 158, 128)
    s.note("Column headings")
    s.label("Marco_List_Lable", 135, 160, HEADING, (12, 11, 12), 216)
    s.label("Marco_Content_Lable", 383, 160, HEADING, (12, 11, 12), 276)
    s.note("Delay options (panel coordinates)")
    s.label("Marco_Record_Delay_Lable", 32, 4, TEXT, 10, 180)
    s.label("Marco_Delay_Setting_Lable", 32, 32, TEXT, 10, 180)
    s.label("Marco_No_Delay_Lable", 32, 90, TEXT, 10, 180)
    s.label("Marco_MS_Lable", 96, 62, TEXT, 10, 40)
    s.note("Stop and loop options (panel coordinates)")
    s.label("Marco_Stop_Release_Lable", 32, 126, TEXT, (10, 10, 10), 186)
    s.label("Marco_Stop_Over_Lable", 32, 152, TEXT, (10, 10, 10), 186)
    s.label("Marco_Circle_Times_Lable", 32, 190, TEXT, 10, (116, 122, 96))
    s.label("Marco_Circle_ALL_Lable", 32, 218, TEXT, 10, 180)
    s.note("Selected line of the content list")
    s.colour("Color_MACRO", (20, 110, 150))
    s.note("Width of the library pop-up")
    s.value("Edit_PCMarco_Width", (150, 172, 130))
    s.note("Wrap switches of the two stop-option captions (0: one line)")
    s.value("Marco_Stop_Over_Lable_Wrap", 0)
    s.value("Marco_Stop_Release_Lable_Wrap", 0)
    return s


# Left edge of the fire page's picture; its controls are placed relative to it.
FIRE_LEFT = 295


def fire_page():
    s = Section("Fire Macro Page")
    s.note("Fire edits and buttons (confirm and cancel take Size_J + 2)")
    s.value("Size_J", 10)
    s.note("Not used")
    s.colour("Color_J", TEXT)
    s.note("Text, background and border of the fire edits")
    s.colour("Color_J_Font", TEXT)
    s.colour("Color_J_Back", (14, 16, 20))
    s.colour("Color_J_Border", (60, 72, 88))
    s.note("Page picture over most of the window, clear of the brand mark")
    s.pos("P5", FIRE_LEFT, 6)
    s.note("Guns 1..7 (120 x 56): four, then three")
    guns = [(FIRE_LEFT + x, y) for x, y in ((60, 62), (220, 62), (380, 62), (540, 62), (140, 142), (300, 142), (460, 142))]
    for n, (x, y) in enumerate(guns, 1):
        s.pos("Fire%d" % n, x, y)
    s.note("Phase pictures of guns 6 (1, 2) and 7 (3, 4, 5), left of the phase rows")
    s.pos("GunMode1", FIRE_LEFT + 47, 320)
    s.pos("GunMode2", FIRE_LEFT + 42, 413)
    s.pos("GunMode3", FIRE_LEFT + 47, 320)
    s.pos("GunMode4", FIRE_LEFT + 42, 413)
    s.pos("GunMode5", FIRE_LEFT + 37, 503)
    rows = (330, 427, 523)
    # Column left edges and widths; the Russian headings need wider columns.
    # (left edges relative to the picture, widths) per language.
    columns = {
        "count": ((107, 107, 107), (80, 104, 80)),
        "y": ((187, 211, 187), (80, 96, 80)),
        "offset": ((267, 307, 267), (94, 92, 94)),
        "delay": ((361, 399, 361), (104, 118, 104)),
        "colour": ((465, 517, 465), (46, 40, 46)),
        "stop": ((511, 557, 511), (186, 140, 186)),
    }
    columns = {name: (tuple(FIRE_LEFT + x for x in lefts), widths) for name, (lefts, widths) in columns.items()}

    def inset(column, by=10):
        return tuple(x + by for x in columns[column][0])

    s.note("Stop-on-release check of each phase")
    for n, y in enumerate(rows, 1):
        s.pos("RKFS%d" % n, inset("stop"), y + 2)
    s.note("Phase edits: count, X (not offered), Y, Y offset, delay")
    for n, y in enumerate(rows, 1):
        s.pos("FireCnt%d" % n, inset("count"), y)
    for n, y in enumerate(rows, 1):
        s.pos("FireX%d" % n, HIDDEN, HIDDEN)
    for n, y in enumerate(rows, 1):
        s.pos("FireY%d" % n, inset("y"), y)
    for n, y in enumerate(rows, 1):
        s.pos("FireY%d_Offset" % n, inset("offset"), y)
    for n, y in enumerate(rows, 1):
        s.pos("FireTime%d" % n, inset("delay"), y)
    s.note("Colour swatches")
    for n, y in enumerate(rows, 1):
        s.pos("FireColor%d" % n, inset("colour"), y + 2)
    s.note("Confirm and cancel")
    s.pos("FireConfirm", FIRE_LEFT + 240, 618)
    s.pos("FireCancel", FIRE_LEFT + 370, 618)
    s.note("Column headings")
    for stem, column in (("Gun_Marco_Stop_Release_Lable", "stop"), ("Gun_Marco_Fire_Count_Lable", "count"),
                         ("Gun_Marco_Fire_Y_Lable", "y"), ("Gun_Marco_Y_Offset_Lable", "offset"),
                         ("Gun_Marco_Fire_Delay_Lable", "delay"), ("Gun_Marco_Fire_Color_Lable", "colour")):
        left, width = columns[column]
        s.label(stem, left, 268, HEADING, (10, 9, 10), tuple(w - 4 for w in width))
    return s


def dialogs():
    k = Section("Assembly Keys Page")
    k.note("Combination-key dialog: base text size, text and field colours")
    k.value("Size_K", 12)
    k.colour("Color_K", WHITE)
    k.colour("Color_K_AK", BLACK)
    k.note("Title, field (width W), modifier boxes, buttons")
    k.pos("AKT", 250, 246)
    k.pos("AKC", 350, 280)
    k.key("AKC_W", 240)
    k.pos("MK_A", 350, 325)
    k.pos("MK_C", 410, 325)
    k.pos("MK_S", 470, 325)
    k.pos("MK_W", 530, 325)
    k.pos("AK_Cfm", 300, 380)
    k.pos("AK_Clear", 540, 380)
    k.pos("AK_Close", (730, 730, 710), 240)

    n = Section("New Macro Name Page / Edit Macro Content Page / Edit Macro Delay Time Page")
    n.note("Name, key, delay and value dialogs")
    n.value("Size_L", 12)
    n.colour("Color_L", WHITE)
    n.colour("Color_L_MN", BLACK)
    n.pos("MNT", 250, 240)
    n.pos("MNC", 360, 300)
    n.key("MNC_W", 240)
    n.pos("MN_Cfm", 300, 380)
    n.pos("MN_Clear", 540, 380)
    n.pos("MN_Close", (730, 730, 710), 240)

    m = Section("Normal LED Color Page")
    m.note("Not used: the plain LED colour dialog")
    m.value("Size_M", 12)
    m.colour("Color_M", WHITE)
    m.pos("NorLED_Tte", 250, 240)
    m.pos("NorLED_Col", 360, 300)
    m.pos("NorLED_Cfm", 300, 380)
    m.pos("NorLED_Clear", 540, 380)
    m.pos("NorLED_Close", (730, 730, 710), 240)
    return [k, n, m]


def sections():
    return [*buttons(), profile_page(), menus(), advanced_page(), led_page(), macro_page(),
            fire_page(), *dialogs()]


def render(layout):
    index = LAYOUTS.index(layout)
    lines = header(layout) + ["[org%d]" % layout]
    for section in sections():
        lines += [";", "; " + section.heading, ";"]
        for name, value in section.lines:
            if name == "comment":
                lines.append("; " + value)
            else:
                lines.append("%s=%d" % (name, value[index]))
    return "".join(line + "\r\n" for line in lines)


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2] / "resources"
    for layout in LAYOUTS:
        (folder / ("org%d.ini" % layout)).write_bytes(render(layout).encode("ascii"))


if __name__ == "__main__":
    main()
