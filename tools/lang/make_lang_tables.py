#!/usr/bin/env python3
"""Writes resources/lang1.txt .. lang3.txt, the three language tables.

Each table is UTF-16LE text with the byte-order mark FF FE: an empty line, the
section line [langN], then one quoted entry "Key=Value" per line (a quote
inside a value is doubled). Edit the texts here and run the script; the
generated files are committed alongside it.

Texts that are equal in one language are equal in every language (and
different texts stay different): a caption is carried across a language
switch by finding the key of its text, so a shared text must translate the
same way everywhere.
"""

from pathlib import Path
import re

# (key, English, Russian, Chinese in traditional characters)
ROWS = [
    ("FontName", "Calibri", "Calibri", "宋体"),
    ("Title", "ORVA P340 USB Gaming Mouse", "Игровая мышь", "遊戲滑鼠驅動"),
    ("Str000", "Confirm", "Подтвердить", "確認"),
    ("Str001", "Apply", "Применить", "套用"),
    ("Str017", "Read", "Считать", "讀取"),
    ("Str002", "Reset", "Сброс", "重設"),
    ("Str015", "Confirm 2", "Подтвердить 2", "確認 2"),
    ("Str016", "Confirm 3", "Подтвердить 3", "確認 3"),
    ("Str003", "Exit", "Выход", "離開"),
    ("Str004", "Profile1", "Профиль 1", "設定檔1"),
    ("Str005", "Profile2", "Профиль 2", "設定檔2"),
    ("Str007", "Advanced", "Дополнительно", "進階"),
    ("Str008", "LED", "Подсветка", "燈光"),
    ("Str009", "Save Profile", "Сохранить", "儲存設定檔"),
    ("Str010", "Load Profile", "Загрузить", "載入設定檔"),
    ("Str011", "English", "English", "English"),
    ("Str012", "Russian", "Русский", "簡體中文"),
    ("Str013", "", "Французский", "繁體中文"),
    ("Str014", "Macro", "Макросы", "巨集"),
    ("Str020", "Finding the specified device", "Поиск указанного устройства", "正在尋找指定的裝置"),
    ("Str100", "Please Connect the USB Device", "Подключите USB-устройство", "請連接 USB 裝置"),
    ("Str101", "Please check your device is attached to USB port",
     "Проверьте, что устройство подключено к порту USB", "請確認裝置已連接到 USB 連接埠"),
    ("Str102", "BIN file type error", "Неверный тип файла BIN", "BIN 檔案類型錯誤"),
    ("Str103", "Macro bin length out of range", "Длина макроса BIN вне диапазона", "巨集 BIN 長度超出範圍"),
    ("Str104", "storage space shortage", "Недостаточно памяти", "儲存空間不足"),
    ("Str106", "This macro already exists", "Такой макрос уже существует", "此巨集已存在"),
    ("Str107", "The mouse manufacturer or product id error",
     "Неверный ID производителя или продукта мыши", "滑鼠製造商或產品 ID 錯誤"),
    ("Str108", "Please keep a Left Key", "Оставьте хотя бы одну левую кнопку", "請保留一個左鍵"),
    ("Str109", "Fail", "Ошибка", "失敗"),
    ("Str200", "*", "*", "*"),
    ("Str201", "Standard Mouse Keys", "Стандартные кнопки", "標準滑鼠按鍵"),
    ("Str202", "Special Keys", "Особые клавиши", "特殊按鍵"),
    ("Str203", "Media", "Мультимедиа", "多媒體"),
    ("Str204", "Web", "Интернет", "網頁"),
    ("Str205", "User-defined", "Настраиваемые", "自訂"),
    ("Str206", "Base Macro", "Базовый макрос", "基本巨集"),
    ("Str207", "Others", "Прочее", "其他"),
    ("Str208", "Fire Macro", "Макрос стрельбы", "射擊巨集"),
    ("Str210", "Left Click", "Левая кнопка", "左鍵"),
    ("Str211", "Right Click", "Правая кнопка", "右鍵"),
    ("Str212", "Middle Click", "Средняя кнопка", "中鍵"),
    ("Str213", "Back", "Назад", "後退"),
    ("Str214", "Forward", "Вперёд", "前進"),
    ("Str220", "Fire Key", "Клавиша огня", "射擊鍵"),
    ("Str221", "LED ON/OFF", "Подсветка вкл/выкл", "燈光開/關"),
    ("Str222", "AIM", "Прицел", "瞄準"),
    ("Str223", "Gun Key Fn", "Fn оружия", "槍械鍵 Fn"),
    ("Str224", "Key Off", "Отключить", "停用按鍵"),
    ("Str225", "Profile", "Профиль", "設定檔"),
    ("Str226", "LED Mode", "Режим подсветки", "燈光模式"),
    ("Str230", "DPI", "DPI", "DPI"),
    ("Str231", "DPI Loop", "DPI по кругу", "DPI 循環"),
    ("Str232", "DPI +", "DPI +", "DPI +"),
    ("Str233", "DPI -", "DPI -", "DPI -"),
    ("Str240", "My Computer", "Мой компьютер", "我的電腦"),
    ("Str241", "Calculator", "Калькулятор", "計算機"),
    ("Str242", "E-Mail", "Эл. почта", "電子郵件"),
    ("Str243", "Desktop", "Рабочий стол", "桌面"),
    ("Str250", "Play/Pause", "Пуск/пауза", "播放/暫停"),
    ("Str251", "Stop", "Стоп", "停止"),
    ("Str252", "Previous Track", "Пред. трек", "上一首"),
    ("Str253", "Next Track", "След. трек", "下一首"),
    ("Str254", "Volume +", "Громкость +", "音量 +"),
    ("Str255", "Volume -", "Громкость -", "音量 -"),
    ("Str256", "Mute", "Без звука", "靜音"),
    ("Str260", "Home", "Главная", "首頁"),
    ("Str261", "Search", "Поиск", "搜尋"),
    ("Str262", "Web Back", "Назад (веб)", "網頁後退"),
    ("Str263", "Web Forward", "Вперёд (веб)", "網頁前進"),
    ("Str264", "Stop", "Стоп", "停止"),
    ("Str265", "Refresh", "Обновить", "重新整理"),
    ("Str266", "Favorites", "Избранное", "我的最愛"),
    ("Str300", "500", "500", "500"),
    ("Str301", "800", "800", "800"),
    ("Str302", "1000", "1000", "1000"),
    ("Str303", "1200", "1200", "1200"),
    ("Str304", "1600", "1600", "1600"),
    ("Str305", "2000", "2000", "2000"),
    ("Str306", "2400", "2400", "2400"),
    ("Str307", "3200", "3200", "3200"),
    ("Str308", "4000", "4000", "4000"),
    ("Str309", "4800", "4800", "4800"),
    ("Str310", "6400", "6400", "6400"),
    ("Str311", "8000", "8000", "8000"),
    ("Str400", "Record", "Запись", "錄製"),
    ("Str401", "Stop", "Стоп", "停止"),
    ("Str402", "Rename", "Переименовать", "重新命名"),
    ("Str404", "Export One", "Экспорт одного", "匯出單個"),
    ("Str405", "Export All", "Экспорт всех", "全部匯出"),
    ("Str406", "Import One", "Импорт одного", "匯入單個"),
    ("Str407", "Import All", "Импорт всех", "全部匯入"),
    ("Str408", "Delete", "Удалить", "刪除"),
    ("Str409", "Insert", "Вставить", "插入"),
    ("Str432", "New Macro", "Новый макрос", "新增巨集"),
    ("Str433", "Delete", "Удалить", "刪除"),
    ("Str435", "Edit", "Изменить", "編輯"),
    ("Str436", "Stop until the key release", "До отпускания кнопки", "放開按鍵時停止"),
    ("Str437", "Stop after the macro is over", "До конца макроса", "巨集結束後停止"),
    ("Str410", "Insert Delay Front", "Задержка перед", "前插入延遲"),
    ("Str411", "Insert Delay Back", "Задержка после", "後插入延遲"),
    ("Str412", "Insert Key Front", "Клавиша перед", "前插入按鍵"),
    ("Str413", "Insert Key Back", "Клавиша после", "後插入按鍵"),
    ("Str414", "Record Delay", "Запись задержек", "錄製延遲"),
    ("Str415", "Default Delay", "Заданная задержка", "預設延遲"),
    ("Str416", "No Delay", "Без задержки", "無延遲"),
    ("Str417", "Delay Time", "Задержка", "延遲時間"),
    ("Str418", "ms", "мс", "毫秒"),
    ("Str440", "Insert X axis Front", "Ось X перед", "前插入 X 軸"),
    ("Str441", "Insert X axis Back", "Ось X после", "後插入 X 軸"),
    ("Str442", "Insert Y axis Front", "Ось Y перед", "前插入 Y 軸"),
    ("Str443", "Insert Y axis Back", "Ось Y после", "後插入 Y 軸"),
    ("Str444", "X axis value", "Значение X", "X 軸數值"),
    ("Str445", "Y axis value", "Значение Y", "Y 軸數值"),
    ("Str446", "Insert Start Repeat", "Начало повтора", "插入重複開始"),
    ("Str447", "Insert Stop Repeat", "Конец повтора", "插入重複結束"),
    ("Str448", "Repeat Number", "Число повторов", "重複次數"),
    ("Str420", "OK", "ОК", "確定"),
    ("Str421", "OK", "ОК", "確定"),
    ("Str422", "Cancel", "Отмена", "取消"),
    ("Str430", "OK for clear macro?", "Очистить макрос?", "確定清除巨集？"),
    ("Str500", "Assembly Key", "Комбинация клавиш", "組合鍵"),
    ("Str501", "Confirm", "Подтвердить", "確認"),
    ("Str502", "Clear", "Очистить", "清除"),
    ("Str510", "Macro Name", "Имя макроса", "巨集名稱"),
    ("Str511", "OK", "ОК", "確定"),
    ("Str512", "Clear", "Очистить", "清除"),
    ("Str520", "Input One Key", "Нажмите клавишу", "輸入單一按鍵"),
    ("Str521", "Input Delay Time", "Введите задержку", "輸入延遲時間"),
    ("Str522", "Please Select One Color", "Выберите цвет", "請選擇一種顏色"),
    ("Str523", "Input Value", "Введите значение", "輸入數值"),
    ("Str600", "AKM", "AKM", "AKM"),
    ("Str601", "M16", "M16", "M16"),
    ("Str602", "M4", "M4", "M4"),
    ("Str603", "UMP9", "UMP9", "UMP9"),
    ("Str604", "SCAR-L", "SCAR-L", "SCAR-L"),
    ("Str605", "5.56mm Fire", "Огонь 5.56mm", "5.56mm 射擊"),
    ("Str606", "7.62mm Fire", "Огонь 7.62mm", "7.62mm 射擊"),
    ("Str610", "Fire Count", "Число выстрелов", "射擊次數"),
    ("Str611", "Fire X-Axis", "Ось X стрельбы", "射擊 X 軸"),
    ("Str612", "Fire Y-Axis", "Ось Y стрельбы", "射擊 Y 軸"),
    ("Str613", "Fire Delay Time", "Задержка стрельбы", "射擊延遲時間"),
    ("Str614", "Fire Color", "Цвет стрельбы", "射擊顏色"),
    ("Str620", "Confirm", "Подтвердить", "確認"),
    ("Str621", "Cancel", "Отмена", "取消"),
    ("Str700", "Press 'Middle Click' 3sec to switch Profile1/Profile2",
     "Средняя кнопка 3 с: смена профиля 1/2", "按住「中鍵」3 秒切換設定檔1/設定檔2"),
    ("Str701", "Press DPI 3s Switch Profile1/Profile2",
     "DPI 3 с: смена профиля 1/2", "按住 DPI 3 秒切換設定檔1/設定檔2"),
    ("Str702", "Press Gun Key Switch Profile1/Profile2",
     "Кнопка оружия: смена профиля 1/2", "按槍械鍵切換設定檔1/設定檔2"),
    ("Str800", "Fire", "Огонь", "射擊"),
    ("Str801", "Repeat", "Повтор", "重複"),
    ("Str802", "Interval", "Интервал", "間隔"),
    ("Str803", "Continusely", "Непрерывно", "連續"),
    ("Str804", "Moving Speed", "Скорость указателя", "指標移動速度"),
    ("Str805", "Enhance pointer precision", "Повышенная точность", "增強指標精確度"),
    ("Str806", "Double Click Speed", "Скорость двойного щелчка", "按兩下速度"),
    ("Str807", "Rolling Speed", "Скорость прокрутки", "滾輪速度"),
    ("Str808", "Scroll one screen at a time", "Прокрутка на один экран", "一次捲動一個畫面"),
    ("Str809", "DPI Setting", "Настройка DPI", "DPI 設定"),
    ("Str810", "DPI Count", "Число уровней DPI", "DPI 段數"),
    ("Str811", "Choose DPI Count Number", "Выберите число уровней DPI", "選擇 DPI 段數"),
    ("Str812", "LED Status", "Состояние подсветки", "燈光狀態"),
    ("Str813", "Open", "Включено", "開啟"),
    ("Str814", "Close", "Выключено", "關閉"),
    ("Str815", "Change LED Mode（L+DPI)", "Режим подсветки (L+DPI)", "切換燈光模式（L+DPI）"),
    ("Str816", "LED ON/OFF（M+DPI)", "Подсветка вкл/выкл (M+DPI)", "燈光開/關（M+DPI）"),
    ("Str817", "LED Brightness", "Яркость подсветки", "燈光亮度"),
    ("Str818", "ALL", "Все", "全部"),
    ("Str819", "Half", "Половина", "一半"),
    ("Str820", "LED Mode", "Режим подсветки", "燈光模式"),
    ("Str821", "Neon Mode", "Неон", "霓虹模式"),
    ("Str822", "Random Color Casual Breath ", "Случайный цвет, плавное дыхание", "隨機色 休閒呼吸"),
    ("Str823", "Random Color Sleep Breath ", "Случайный цвет, сонное дыхание", "隨機色 睡眠呼吸"),
    ("Str824", "Random Color Sport Breath ", "Случайный цвет, быстрое дыхание", "隨機色 運動呼吸"),
    ("Str825", "CPI Breathing Light Mode", "Дыхание цветом CPI", "CPI 呼吸燈模式"),
    ("Str826", "CPI Color Light Mode", "Цвет уровня CPI", "CPI 彩色燈模式"),
    ("Str827", "Off", "Выкл.", "關"),
    ("Str828", "Random Color 1", "Случайный цвет 1", "隨機色 1"),
    ("Str829", "Random Color 2", "Случайный цвет 2", "隨機色 2"),
    ("Str830", "Random Color 3", "Случайный цвет 3", "隨機色 3"),
    ("Str831", "DPI Color 1", "Цвет DPI 1", "DPI 顏色 1"),
    ("Str832", "DPI Color 2", "Цвет DPI 2", "DPI 顏色 2"),
    ("Str833", "DPI Color 3", "Цвет DPI 3", "DPI 顏色 3"),
    ("Str834", "Off", "Выкл.", "關"),
    ("Str835", "Macro List", "Список макросов", "巨集清單"),
    ("Str836", "Content", "Содержимое", "內容"),
    ("Str837", "Record", "Запись", "錄製"),
    ("Str838", "Delay Setting", "Задать задержку", "延遲設定"),
    ("Str839", "No Delay", "Без задержки", "無延遲"),
    ("Str840", "ms", "мс", "毫秒"),
    ("Str841", "Stop until the key release", "До отпускания кнопки", "放開按鍵時停止"),
    ("Str842", "Stop after the macro is over", "До конца макроса", "巨集結束後停止"),
    ("Str843", "Stop Until the Press Release", "Стоп при отпускании", "放開時停止"),
    ("Str844", "Fire Counts", "Число выстрелов", "射擊次數"),
    ("Str845", "Fire Y-Axis", "Ось Y стрельбы", "射擊 Y 軸"),
    ("Str846", "Y-Axis Offset", "Смещение по Y", "Y 軸偏移"),
    ("Str847", "Fire Delay Time", "Задержка стрельбы", "射擊延遲時間"),
    ("Str848", "Color", "Цвет", "顏色"),
    ("Str849", "DPI1", "DPI1", "DPI1"),
    ("Str850", "DPI2", "DPI2", "DPI2"),
    ("Str851", "DPI3", "DPI3", "DPI3"),
    ("Str852", "DPI4", "DPI4", "DPI4"),
    ("Str853", "DPI5", "DPI5", "DPI5"),
    ("Str854", "DPI6", "DPI6", "DPI6"),
    ("Str855", "DPI7", "DPI7", "DPI7"),
    ("Str856", "Breathing Speed", "Скорость дыхания", "呼吸速度"),
    ("Str857", "Slow", "Медленно", "慢"),
    ("Str858", "Fast", "Быстро", "快"),
    ("Str859", "Insert loop count", "Число циклов", "插入循環次數"),
    ("Str860", "Delete Macro", "Удалить макрос", "刪除巨集"),
    ("Str861", "Infinite loop", "Бесконечный цикл", "無限循環"),
]

KEY_PATTERN = re.compile(r"FontName|Title|Str\d{3}")
TABLE_KEY_COUNT = 209
BYTE_ORDER_MARK = b"\xff\xfe"


def check_rows():
    keys = [row[0] for row in ROWS]
    assert len(keys) == TABLE_KEY_COUNT, len(keys)
    assert len(set(keys)) == len(keys), "duplicate key"
    for key in keys:
        assert KEY_PATTERN.fullmatch(key), key
    for row in ROWS:
        for text in row[1:]:
            assert "\r" not in text and "\n" not in text, row[0]


def table_text(language):
    lines = ["", f"[lang{language}]"]
    for row in ROWS:
        value = row[language].replace('"', '""')
        lines.append(f'"{row[0]}={value}"')
    return "\r\n".join(lines) + "\r\n"


def main():
    check_rows()
    resources = Path(__file__).resolve().parents[2] / "resources"
    for language in (1, 2, 3):
        path = resources / f"lang{language}.txt"
        path.write_bytes(BYTE_ORDER_MARK + table_text(language).encode("utf-16-le"))


if __name__ == "__main__":
    main()
