<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>или ниже:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Если заряд %1 упадёт до</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Если заряд %1 (%2) упадёт до</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ёмкость:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 из %3&#xa0;Вт·ч)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Циклы зарядки:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Мощность:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;W</source>
        <translation>%1&#xa0;Вт</translation>
    </message>
</context>
<context>
    <name>BatteryIndicator</name>
    <message>
        <source>%1 min %2 sec remaining</source>
        <translation>Осталось %1 мин %2 с</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>у экрана нет подсветки.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>не удаётся прочитать её текущий уровень.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: не удаётся установить яркость экрана: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Не удалось изменить яркость экрана: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Не удалось изменить подсветку клавиатуры: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Здесь её нельзя изменить: диспетчер входа (logind) не запущен.</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Яркость экрана</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Яркость экрана</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryGraph</name>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Charge history</source>
        <translation>История заряда</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Последний %n день</numerusform>
            <numerusform>Последние %n дня</numerusform>
            <numerusform>Последние %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Последний час</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Последний %n час</numerusform>
            <numerusform>Последние %n часа</numerusform>
            <numerusform>Последние %n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Последняя минута</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Последняя %n минута</numerusform>
            <numerusform>Последние %n минуты</numerusform>
            <numerusform>Последние %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Истории заряда пока нет</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: с %2 до %3, минимум %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 часов</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 часа</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 дней</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Ограничивать зарядку, чтобы сберечь батарею</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>Зарядка прекращается на %1&#xa0;% и возобновляется ниже %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>Зарядка прекращается на %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>Зарядка возобновляется ниже %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Не удалось включить ограничение заряда для %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Не удалось выключить ограничение заряда для %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Запустить в фоновом режиме, только со значками в системном лотке; последующий запуск без параметров показывает окно, а после его закрытия программа снова работает в фоне.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметров можно получить командой «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: нет системного лотка для значков, поэтому показывается окно, и его закрытие завершает программу.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Показывает батареи и ИБП, о которых сообщает UPower, предупреждает, прежде чем батарея разрядится, и выполняет выбранное для неё действие.
Также принимаются собственные параметры Qt (-platform, -style, -display и другие).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Изменить яркость экрана на один шаг вверх или вниз либо установить её в процентах, например 40%, и выйти: для клавиш, которые окружение рабочего стола привязывает к командам (в Wayland). Это делает уже запущенный экземпляр программы, показывая новый уровень; если его нет, яркость устанавливается сразу.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Недопустимое значение яркости «%1»: укажите up, down или значение в процентах, например 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 при %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>Заряд %1: %2&#xa0;%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>Заряд %1: %2&#xa0;%, осталось около %3&#xa0;мин. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>КПК</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Планшет</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Игровой контроллер</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Сенсорная панель</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Гарнитура</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Колонки</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Наушники</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Пульт ДУ</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Носимое устройство</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Критический</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Нормальный</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Полный</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>DeviceControlWidget</name>
    <message>
        <source>Warn when low</source>
        <translation>Предупреждать о низком заряде</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>Заряд %1 заканчивается. Скоро зарядите устройство или замените батарею.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>Заряд %1: %2&#xa0;%. Скоро зарядите устройство или замените батарею.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A device in the list of those that are low: its name and its charge.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the devices named in a list.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>У %n устройства садится батарея: %1. Скоро зарядите их или замените батареи.</numerusform>
            <numerusform>У %n устройств садятся батареи: %1. Скоро зарядите их или замените батареи.</numerusform>
            <numerusform>У %n устройств садятся батареи: %1. Скоро зарядите их или замените батареи.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Заряд</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>This display server does not report idle time</source>
        <translation>Этот графический сервер не сообщает время бездействия</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>На этом графическом сервере нельзя перехватывать клавиши</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Этот графический сервер не может выключить экран</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>X-сервер недоступен</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>В Wayland нельзя перехватывать клавиши</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>В Wayland нельзя выключить экран</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Сон запрещён из системного лотка</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>У этого компьютера нет подсветки экрана, которую можно было бы затемнить</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Диспетчер входа (logind) не может здесь изменить яркость экрана</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Не удалось запретить компьютеру переход в сон: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>При питании от батареи</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>При питании от сети</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Затемнять экран через</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Затемнять экран через, при питании от батареи</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Затемнять экран через, при питании от сети</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Затемнять до</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Затемнять до, при питании от батареи</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Затемнять до, при питании от сети</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Выключать экран через</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Выключать экран через, при питании от батареи</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Выключать экран через, при питании от сети</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Переходить в сон через</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Переходить в сон через, при питании от батареи</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Переходить в сон через, при питании от сети</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Способ перехода в сон</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Способ перехода в сон, при питании от батареи</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Способ перехода в сон, при питании от сети</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Никогда</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing happens when idle here: %1</source>
        <translation>При бездействии здесь ничего не происходит: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>Экран не затемняется: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>Экран не выключается: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 (при бездействии) отклонено: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Сон запрещён в меню системного лотка</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>приложение</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Сон блокирует %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Сон блокирует %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>и ещё %n приложение, блокирующее сон</numerusform>
            <numerusform>и ещё %n приложения, блокирующие сон</numerusform>
            <numerusform>и ещё %n приложений, блокирующих сон</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>При закрытии крышки</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>При питании от батареи:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>При питании от сети:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>При подключённом другом экране:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Кнопка питания:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Клавиша ждущего режима:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Пусть решает система</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Выключить экран</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Заблокировать экран</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Спросить</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Ждущий режим</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>Кнопку питания обрабатывает система: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>Клавишу ждущего режима обрабатывает система: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Кнопку питания удерживает другая программа, или её не посылает ни одна клавиша: её обрабатывает система.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Клавишу ждущего режима удерживает другая программа, или её не посылает ни одна клавиша: её обрабатывает система.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>Кнопку питания обрабатывает logind: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>Клавишу ждущего режима обрабатывает logind: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>Крышку обрабатывает logind: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>«%1» отклонено: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Обрабатывает крышку согласно настройкам управления питанием</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Обрабатывает кнопку питания согласно настройкам управления питанием</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Обрабатывает клавишу ждущего режима согласно настройкам управления питанием</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>LogindInhibitor</name>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind не выдал блокировку</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind не запущен</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Диспетчер входа (logind) не запущен.</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Диспетчер входа (logind) не ответил.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Диспетчер входа (logind) не предоставляет этого для данного сеанса.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Кнопка питания</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Что должен сделать компьютер?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Профиль питания</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Сбалансированный</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Производительность (ограничена: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>компьютер перегрет</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>он лежит на коленях</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Служба профилей питания не предлагает этот профиль.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>Низкий заряд батареи</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>При питании от сети:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>При питании от батареи:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Удерживать «Энергосбережение», пока заряд какой-либо батареи не выше</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Оставить как есть</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (недоступен)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Ждущий режим</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 при %2&#xa0;% отклонено: %3. %4 заряжена на %5&#xa0;%: сохраните свою работу.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (по расписанию) отклонено: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 не даёт выключить компьютер</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 не даёт выключить компьютер (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> и ещё %n</numerusform>
            <numerusform> и ещё %n</numerusform>
            <numerusform> и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>в</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Модель:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Серийный номер:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Производитель:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Технология:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Тип:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Путь в sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Устройство:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Литий-ионная</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Литий-полимерная</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Литий-железо-фосфатная</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Свинцово-кислотная</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Никель-кадмиевая</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Никель-металлгидридная</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Неизвестна</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Электросеть</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ИБП</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Неизвестен</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>WControl</name>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Бездействие</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Профиль питания</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Крышка и клавиши</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Управление питанием</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Батареи не обнаружены</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Управление питанием</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Сетевое питание восстановлено</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Сетевое питание отключено</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Не засыпать</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Композитор Wayland недоступен</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Этот композитор Wayland не сообщает время бездействия</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>У этого композитора Wayland нет рабочего места, время бездействия которого он мог бы сообщить</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>Соединение с композитором Wayland прервалось</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>О &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Не удалось переключить профиль питания на %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Этот X-сервер не сообщает время бездействия</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Этот X-сервер не может выключить экран (нет DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Управление питанием
Приложение для управления питанием</translation>
    </message>
</context>
</TS>
