<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>以下に下がったら：</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>%1 の充電残量が</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>%1 (%2) の充電残量が</translation>
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
        <translation>&lt;b&gt;充電サイクル数：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;電力：&lt;/b&gt;%1</translation>
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
        <translation>残り %1 分 %2 秒</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>画面のバックライトがありません。</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>現在の明るさを読み取れません。</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: 画面の明るさを設定できません: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>画面の明るさを変更できませんでした: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>キーボードのバックライトを変更できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>ここでは設定できません: ログインマネージャー（logind）が動作していません。</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>画面の明るさ</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>キーボードのバックライト</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>画面</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>画面の明るさ</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>キーボードのバックライト</translation>
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
        <translation>充電履歴</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>過去 %n 日間</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>過去 1 時間</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>過去 %n 時間</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>過去 1 分間</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>過去 %n 分間</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>まだ充電履歴がありません</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1：%2 から %3、最低 %4。</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 時間</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 時間</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 日間</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>表示(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>バッテリー保護のために充電を制限する</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>%1% で充電を停止し、%2% を下回ると充電を再開します</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>%1% で充電を停止します</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>%1% を下回ると充電を再開します</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>%1 の充電制限をオンにできませんでした: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>%1 の充電制限をオフにできませんでした: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>トレイアイコンだけを表示してバックグラウンドで起動します。後でオプションなしで起動するとウィンドウが表示され、ウィンドウを閉じると再びバックグラウンドに戻ります。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
オプションについては「%1 --help」を実行してください。
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: アイコンを表示するシステムトレイがないため、ウィンドウを表示します。ウィンドウを閉じるとプログラムは終了します。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>UPower が報告するバッテリーと UPS を表示し、バッテリーが切れる前に警告して、そのバッテリーに選択された電源操作を実行します。
Qt 自体のオプション（-platform、-style、-display など）も使用できます。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>画面の明るさを 1 段階上げるか下げるか、40% のような割合に設定して終了します。デスクトップがキーをコマンドに割り当てる場合（Wayland）に使用します。実行中のインスタンスが設定して新しい明るさを表示します。実行中のインスタンスがなければ直接設定します。</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>明るさ「%1」は無効です: up、down、または 40% のような割合を指定してください。</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%2% で%1します。</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 の残量は %2% です。%3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 の残量は %2% で、あと約 %3 分です。%4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>タブレット</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>ゲームコントローラー</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>タッチパッド</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>ヘッドセット</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>ヘッドホン</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>リモコン</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>ウェアラブル</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>低</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>危険</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>通常</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>高</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>満充電</translation>
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
        <translation>残量が少ないときに警告</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>%1 の電池残量が少なくなっています。早めに充電するか電池を交換してください。</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 の残量は %2&#xa0;% です。早めに充電するか電池を交換してください。</translation>
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
            <numerusform>%1 ほか %n 台</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n 台のデバイスのバッテリー残量が少なくなっています: %1。早めに充電するか電池を交換してください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>残量</translation>
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
        <translation>このディスプレイサーバーはアイドル時間を通知しません</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>このディスプレイサーバーではキーを扱えません</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>このディスプレイサーバーは画面を消せません</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>X サーバーに接続できません</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>Wayland ではキーを扱えません</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>Wayland では画面を消せません</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>トレイからスリープを防止しています</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>このマシンには暗くできる画面のバックライトがありません</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>ログインマネージャー（logind）はここでは画面の明るさを設定できません</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>スリープを防止できません: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>バッテリー駆動時</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>AC 電源使用時</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>画面を暗くするまでの時間</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>画面を暗くするまでの時間（バッテリー駆動時）</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>画面を暗くするまでの時間（AC 電源使用時）</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>暗くしたときの明るさ</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>暗くしたときの明るさ（バッテリー駆動時）</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>暗くしたときの明るさ（AC 電源使用時）</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>画面を消すまでの時間</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>画面を消すまでの時間（バッテリー駆動時）</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>画面を消すまでの時間（AC 電源使用時）</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>スリープするまでの時間</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>スリープするまでの時間（バッテリー駆動時）</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>スリープするまでの時間（AC 電源使用時）</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>スリープの方法</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>スリープの方法（バッテリー駆動時）</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>スリープの方法（AC 電源使用時）</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>なし</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分</numerusform>
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
        <translation>この環境ではアイドル時に何も行われません: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>画面は暗くなりません: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>画面は消えません: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>アイドル時の%1は拒否されました: %2。</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>トレイメニューからスリープを防止しています</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>あるアプリケーション</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>%1 がスリープを防止しています</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>%1 がスリープを防止しています: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>ほか %n 件がスリープを防止しています</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>蓋を閉じたとき</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>バッテリー駆動時：</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>AC 電源使用時：</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>別の画面が接続されているとき：</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>電源キー：</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>サスペンドキー：</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>システムに任せる</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>画面を消す</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>画面をロック</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>確認する</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>サスペンド</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>ハイバネート</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>電源キーはシステムが処理します: %1。</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>サスペンドキーはシステムが処理します: %1。</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>別のプログラムが電源キーを使用しているか、電源キーを送るキーがありません: システムが処理します。</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>別のプログラムがサスペンドキーを使用しているか、サスペンドキーを送るキーがありません: システムが処理します。</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>電源キーは logind が処理します: %1。</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>サスペンドキーは logind が処理します: %1。</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>蓋は logind が処理します: %1。</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 は拒否されました: %2。</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>電源マネージャーの設定どおりに蓋を処理します</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>電源マネージャーの設定どおりに電源キーを処理します</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>電源マネージャーの設定どおりにサスペンドキーを処理します</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
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
        <translation>logind が抑止を与えませんでした</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind が動作していません</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>ログインマネージャー（logind）が動作していません。</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>ログインマネージャー（logind）が応答しませんでした。</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>ログインマネージャー（logind）はこのセッションにこれを提供していません。</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>電源キー</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>コンピューターをどうしますか？</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>電源プロファイル</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>省電力</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>パフォーマンス（制限中: %1）</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>本体が高温です</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>膝の上での使用を検出しました</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>電源プロファイルのサービスはこのプロファイルを提供していません。</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>バッテリー残量が少なくなっています</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>AC 電源使用時：</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>バッテリー駆動時：</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>バッテリー残量が次の値以下の間は「省電力」を維持する</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1（利用不可）</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>ハイバネート</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>サスペンド</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%2&#xa0;% での%1は拒否されました: %3。%4 は %5&#xa0;% です: 作業を保存してください。</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>予定された%1は拒否されました: %2。</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 がマシンの停止を妨げています</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 がマシンの停止を妨げています (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform>、ほか %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation type="unfinished">実行時刻</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;モデル：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;シリアル番号：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;製造元：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;電池の種類：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;デバイスの種類：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;sysfs パス：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;デバイス：&lt;/b&gt;%1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>リチウムイオン</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>リチウムポリマー</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>リン酸鉄リチウム</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>鉛蓄電池</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>ニッケル・カドミウム</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>ニッケル水素</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>AC 電源</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>不明</translation>
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
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>アイドル時</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>電源プロファイル</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>蓋とキー</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>電源管理</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>バッテリーが見つかりません</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>電源マネージャー</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>AC 電源が復旧しました</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>AC 電源が切断されました</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>スリープ防止</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Wayland コンポジターに接続できません</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>この Wayland コンポジターはアイドル時間を通知しません</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>この Wayland コンポジターにはアイドル時間を通知できるシートがありません</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>Wayland コンポジターとの接続が切れました</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>このアプリケーションについて(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>&amp;Qt について</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>電源プロファイルを%1に変更できませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 台</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>キーボードのバックライト</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>この X サーバーはアイドル時間を通知しません</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>この X サーバーは画面を消せません（DPMS がありません）</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>電源管理
電源管理アプリケーション</translation>
    </message>
</context>
</TS>
