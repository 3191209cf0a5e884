<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>або нижче:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Якщо заряд %1 впаде до</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Якщо заряд %1 (%2) впаде до</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ємність:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 з %3&#xa0;Вт·год)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Цикли заряджання:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Потужність:&lt;/b&gt; %1</translation>
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
        <translation>Залишилося %1 хв %2 с</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>немає підсвічування екрана.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>неможливо прочитати її поточний рівень.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: не вдається встановити яскравість екрана: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Не вдалося змінити яскравість екрана: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Не вдалося змінити підсвічування клавіатури: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Тут її неможливо змінити: диспетчер входу (logind) не запущено.</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Яскравість екрана</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Екран</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Яскравість екрана</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Підсвічування клавіатури</translation>
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
        <translation>Історія заряду</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Останній %n день</numerusform>
            <numerusform>Останні %n дні</numerusform>
            <numerusform>Останні %n днів</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Остання година</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Остання %n година</numerusform>
            <numerusform>Останні %n години</numerusform>
            <numerusform>Останні %n годин</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Остання хвилина</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Остання %n хвилина</numerusform>
            <numerusform>Останні %n хвилини</numerusform>
            <numerusform>Останні %n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Історії заряду ще немає</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: з %2 до %3, найменше %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 годин</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 години</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 днів</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показати:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Обмежувати заряджання, щоб зберегти ресурс батареї</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>Заряджання припиняється на %1&#xa0;% і відновлюється нижче %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>Заряджання припиняється на %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>Заряджання відновлюється нижче %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Не вдалося ввімкнути обмеження заряду для %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Не вдалося вимкнути обмеження заряду для %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Запустити у фоновому режимі, лише зі значками в системному лотку; наступний запуск без параметрів показує вікно, а після його закриття програма знову працює у фоні.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметрів можна отримати командою «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: немає системного лотка для значків, тому показується вікно, і його закриття завершує програму.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку і вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію і вийти.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Показує батареї та ДБЖ, про які повідомляє UPower, попереджає, перш ніж батарея розрядиться, і виконує вибрану для неї дію.
Також приймаються власні параметри Qt (-platform, -style, -display та інші).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Збільшити або зменшити яскравість екрана на один крок чи встановити її у відсотках, наприклад 40%, і вийти: для клавіш, які стільниця прив’язує до команд (у Wayland). Це робить запущений екземпляр програми й показує новий рівень; якщо його немає, яскравість встановлюється відразу.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Неприпустиме значення яскравості «%1»: вкажіть up, down або відсотки, наприклад 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 на рівні %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>Заряд %1: %2&#xa0;%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>Заряд %1: %2&#xa0;%, залишилося близько %3&#xa0;хв. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
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
        <translation>Ігровий контролер</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Сенсорна панель</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Гарнітура</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Колонки</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Навушники</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Пульт ДК</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Носимий пристрій</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Низький</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Критичний</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Нормальний</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Високий</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Повний</translation>
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
        <translation>Попереджати про низький заряд</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>Заряд %1 закінчується. Незабаром зарядіть пристрій або замініть батарею.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>Заряд %1: %2&#xa0;%. Незабаром зарядіть пристрій або замініть батарею.</translation>
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
            <numerusform>%1 і ще %n</numerusform>
            <numerusform>%1 і ще %n</numerusform>
            <numerusform>%1 і ще %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>У %n пристрою сідає батарея: %1. Незабаром зарядіть їх або замініть батареї.</numerusform>
            <numerusform>У %n пристроїв сідають батареї: %1. Незабаром зарядіть їх або замініть батареї.</numerusform>
            <numerusform>У %n пристроїв сідають батареї: %1. Незабаром зарядіть їх або замініть батареї.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Пристрої</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
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
        <translation>Цей графічний сервер не повідомляє час бездіяльності</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>На цьому графічному сервері не можна перехоплювати клавіші</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Цей графічний сервер не може вимкнути екран</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>X-сервер недоступний</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>У Wayland не можна перехоплювати клавіші</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>У Wayland не можна вимкнути екран</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Засинання заблоковано із системного лотка</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Цей комп’ютер не має підсвічування екрана, яке можна затемнити</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Диспетчер входу (logind) не може тут змінювати яскравість екрана</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Не вдалося заблокувати засинання комп’ютера: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Від батареї</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Від електромережі</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Затемнювати екран через</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Затемнювати екран через (від батареї)</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Затемнювати екран через (від електромережі)</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Затемнювати до</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Затемнювати до (від батареї)</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Затемнювати до (від електромережі)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Вимикати екран через</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Вимикати екран через (від батареї)</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Вимикати екран через (від електромережі)</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Засинати через</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Засинати через (від батареї)</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Засинати через (від електромережі)</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Спосіб засинання</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Спосіб засинання (від батареї)</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Спосіб засинання (від електромережі)</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Ніколи</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
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
        <translation>Під час бездіяльності тут нічого не відбувається: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>Екран не затемнюється: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>Екран не вимикається: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 (через бездіяльність) відхилено: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Засинання заблоковано з меню системного лотка</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>програма</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Засинання блокує %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Засинання блокує %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>і ще %n, що блокує засинання</numerusform>
            <numerusform>і ще %n, що блокують засинання</numerusform>
            <numerusform>і ще %n, що блокують засинання</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Під час закриття кришки</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Від батареї:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Від електромережі:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>З підключеним іншим екраном:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Кнопка живлення:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Клавіша режиму сну:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Хай вирішує система</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Нічого не робити</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Вимкнути екран</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Заблокувати екран</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Запитати</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Режим сну</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гібернація</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Вимкнення</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>Кнопку живлення обробляє система: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>Клавішу режиму сну обробляє система: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Кнопку живлення утримує інша програма, або її не надсилає жодна клавіша: її обробляє система.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Клавішу режиму сну утримує інша програма, або її не надсилає жодна клавіша: її обробляє система.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>Кнопку живлення обробляє logind: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>Клавішу режиму сну обробляє logind: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>Кришку обробляє logind: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>«%1» відхилено: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Обробляє кришку відповідно до налаштувань керування живленням</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Обробляє кнопку живлення відповідно до налаштувань керування живленням</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Обробляє клавішу режиму сну відповідно до налаштувань керування живленням</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
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
        <translation>logind не видав блокування</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind не запущено</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Диспетчер входу (logind) не запущено.</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Диспетчер входу (logind) не відповів.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Диспетчер входу (logind) не надає цього для цього сеансу.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Кнопка живлення</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Що має зробити комп’ютер?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Профіль живлення</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Енергозбереження</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Збалансований</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Продуктивність (обмежена: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>комп’ютер перегрітий</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>він лежить на колінах</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Служба профілів живлення не пропонує цей профіль.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>Низький заряд батареї</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Від електромережі:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Від батареї:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Утримувати «Енергозбереження», поки заряд батареї не перевищує</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Не змінювати</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (не пропонується)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Нічого не робити</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Вимкнення</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гібернація</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Режим сну</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 при %2&#xa0;% відхилено: %3. %4 заряджена на %5&#xa0;%: збережіть свою роботу.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (за розкладом) відхилено: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 не дає вимкнути комп’ютер</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 не дає вимкнути комп’ютер (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> і ще %n</numerusform>
            <numerusform> і ще %n</numerusform>
            <numerusform> і ще %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>о</translation>
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
        <translation>&lt;b&gt;Серійний номер:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Виробник:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Технологія:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Тип:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Шлях у sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Пристрій:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Літій-іонна</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Літій-полімерна</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Літій-залізо-фосфатна</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Свинцево-кислотна</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Нікель-кадмієва</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Нікель-металогідридна</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Невідома</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Електромережа</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ДБЖ</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монітор</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Невідомий</translation>
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
        <translation>Розклад</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Пристрої</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Бездіяльність</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Профіль живлення</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Кришка і клавіші</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Керування живленням</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Батарей не виявлено</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Керування живленням</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Мережеве живлення відновлено</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Мережеве живлення вимкнено</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Не засинати</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Композитор Wayland недоступний</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Цей композитор Wayland не повідомляє час бездіяльності</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Цей композитор Wayland не має робочого місця, час бездіяльності якого він міг би повідомити</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>З&apos;єднання з композитором Wayland перервалося</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Про &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про програму %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Показати вікно</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Не вдалося змінити профіль живлення на %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Цей X-сервер не повідомляє час бездіяльності</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Цей X-сервер не може вимкнути екран (немає DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Керування живленням
Програма для керування живленням</translation>
    </message>
</context>
</TS>
