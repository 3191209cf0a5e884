<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>或以下时：</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>当 %1 的电量降至</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>当 %1 (%2) 的电量降至</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;容量：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1% （%2 / %3&#xa0;Wh）</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;充电循环次数：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;功率：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>%1&#xa0;W</source>
        <translation>%1&#xa0;W</translation>
    </message>
</context>
<context>
    <name>BatteryIndicator</name>
    <message>
        <source>%1 min %2 sec remaining</source>
        <translation>剩余 %1 分 %2 秒</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>没有屏幕背光。</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>无法读取其当前亮度。</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1：无法设置屏幕亮度：%2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>无法更改屏幕亮度：%1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>无法更改键盘背光：%1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>此处无法设置：没有运行登录管理器（logind）。</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>屏幕亮度</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>键盘背光</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>屏幕亮度</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>键盘背光</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryGraph</name>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Charge history</source>
        <translation>充电历史</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>最近 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>最近 1 小时</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>最近 %n 小时</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>最近 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>最近 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>尚无充电历史</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1：从 %2 到 %3，最低 %4。</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 小时</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 小时</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 天</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>显示(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>限制充电以保护电池</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>电量达到 %1% 时停止充电，低于 %2% 时重新开始充电</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>电量达到 %1% 时停止充电</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>电量低于 %1% 时重新开始充电</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>无法开启 %1 的充电限制：%2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>无法关闭 %1 的充电限制：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>在后台启动，仅显示托盘图标；之后不带选项再次启动会显示窗口，关闭窗口后程序又回到后台。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1：%2
请执行“%1 --help”查看选项。
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1：没有可显示图标的系统托盘，因此将显示窗口，关闭窗口即退出程序。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>显示 UPower 报告的电池和 UPS，在电池电量耗尽前发出警告，并执行为其选择的电源操作。
也可使用 Qt 自身的选项（-platform、-style、-display 等）。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>将屏幕亮度调高或调低一级，或设为某个百分比（如 40%），然后退出：用于桌面环境绑定到命令的按键（Wayland 下）。由正在运行的实例执行并显示新的亮度；若没有正在运行的实例，则直接设置。</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>无效的亮度“%1”：请指定 up、down 或百分比（如 40%）。</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>在 %2% 时%1。</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 的电量为 %2%。%3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 的电量为 %2%，剩余约 %3 分钟。%4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>手机</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>平板电脑</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>游戏控制器</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>手写笔</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>触摸板</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>耳麦</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>耳机</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>可穿戴设备</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>低</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>严重不足</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>正常</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>高</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>满</translation>
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
        <translation>电量低时提醒</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>%1 电量不足。请尽快充电或更换电池。</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 电量为 %2&#xa0;%。请尽快充电或更换电池。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A device in the list of those that are low: its name and its charge.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the devices named in a list.</extracomment>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 以及另外 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n 个设备电量不足：%1。请尽快充电或更换电池。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>电量</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>This display server does not report idle time</source>
        <translation>此显示服务器不报告空闲时间</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>在此显示服务器上无法接管按键</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>此显示服务器无法关闭屏幕</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>无法连接 X 服务器</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>在 Wayland 上无法接管按键</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>在 Wayland 上无法关闭屏幕</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>已通过托盘保持唤醒</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>此机器没有可调暗的屏幕背光</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>登录管理器（logind）无法在此设置屏幕亮度</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>无法让机器保持唤醒：%1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>使用电池时</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>使用交流电源时</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>空闲多久后调暗屏幕</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>空闲多久后调暗屏幕（使用电池时）</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>空闲多久后调暗屏幕（使用交流电源时）</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>调暗至</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>调暗至（使用电池时）</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>调暗至（使用交流电源时）</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>空闲多久后关闭屏幕</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>空闲多久后关闭屏幕（使用电池时）</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>空闲多久后关闭屏幕（使用交流电源时）</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>空闲多久后进入睡眠</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>空闲多久后进入睡眠（使用电池时）</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>空闲多久后进入睡眠（使用交流电源时）</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>睡眠方式</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>睡眠方式（使用电池时）</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>睡眠方式（使用交流电源时）</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>从不</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing happens when idle here: %1</source>
        <translation>在此环境下空闲时不会执行任何操作：%1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>不会调暗屏幕：%1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>不会关闭屏幕：%1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>空闲时的%1被拒绝：%2。</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>已通过托盘菜单保持唤醒</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>某个应用程序</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>由 %1 保持唤醒</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>由 %1 保持唤醒：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>另有 %n 个程序保持唤醒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>合上盖子时</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>使用电池时：</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>使用交流电源时：</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>连接了其他屏幕时：</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>电源键：</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>挂起键：</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>由系统决定</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>无操作</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>关闭屏幕</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>锁定屏幕</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>询问</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>挂起</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>电源键由系统处理：%1。</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>挂起键由系统处理：%1。</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>其他程序占用了电源键，或没有按键发送它：由系统处理。</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>其他程序占用了挂起键，或没有按键发送它：由系统处理。</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>电源键由 logind 处理：%1。</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>挂起键由 logind 处理：%1。</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>盖子由 logind 处理：%1。</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 被拒绝：%2。</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>按电源管理器中的设置处理盖子</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>按电源管理器中的设置处理电源键</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>按电源管理器中的设置处理挂起键</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
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
        <translation>logind 未给出抑制锁</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind 未运行</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>没有运行登录管理器（logind）。</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>登录管理器（logind）没有应答。</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>登录管理器（logind）不为此会话提供该功能。</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>电源键</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>要让计算机做什么？</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>电源配置</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>平衡</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>性能（受限：%1）</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>机器过热</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>检测到放在腿上</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>电源配置服务不提供此配置。</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>电池电量低</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>使用交流电源时：</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>使用电池时：</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>任一电池电量不高于以下值时保持“节能”</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>保持不变</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1（未提供）</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>无操作</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>挂起</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%2&#xa0;% 时的%1被拒绝：%3。%4 电量为 %5&#xa0;%：请保存您的工作。</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>计划的%1被拒绝：%2。</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 正在阻止关机</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 正在阻止关机（%2）</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform>，另有 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation type="unfinished">执行时间</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;型号：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;序列号：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;制造商：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;技术：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;类型：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Sysfs 路径：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;设备：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>锂离子</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>锂聚合物</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>磷酸铁锂</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>铅酸</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>镍镉</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>镍氢</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>交流电源</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>显示器</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>未知</translation>
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
        <translation>电池</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>定时</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>空闲时</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>电源配置</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>盖子和按键</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>电源管理</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>未检测到电池</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>电源管理器</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>交流电源已恢复</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>交流电源已断开</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>保持唤醒</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>无法连接 Wayland 合成器</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>此 Wayland 合成器不报告空闲时间</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>此 Wayland 合成器没有可报告空闲时间的席位</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>与 Wayland 合成器的连接已断开</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>关于 &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>无法将电源配置切换为%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>以及另外 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>键盘背光</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>此 X 服务器不报告空闲时间</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>此 X 服务器无法关闭屏幕（没有 DPMS）</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>电源管理
用于电源管理的应用程序</translation>
    </message>
</context>
</TS>
