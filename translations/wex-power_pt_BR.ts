<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>ou menos:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Quando a carga de %1 cair para</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Quando a carga de %1 (%2) cair para</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Capacidade:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 de %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ciclos de carga:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Potência:&lt;/b&gt; %1</translation>
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
        <translation>Restam %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>a tela não tem luz de fundo.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>não é possível ler o nível atual.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: não é possível ajustar o brilho da tela: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Não foi possível alterar o brilho da tela: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Não foi possível alterar a iluminação do teclado: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Não é possível ajustá-lo aqui: nenhum gerenciador de sessões (logind) está em execução.</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Brilho da tela</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminação do teclado</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Brilho da tela</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminação do teclado</translation>
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
        <translation>Histórico de carga</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n dia</numerusform>
            <numerusform>Últimos %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Última hora</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Última %n hora</numerusform>
            <numerusform>Últimas %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Último minuto</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Último %n minuto</numerusform>
            <numerusform>Últimos %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Ainda não há histórico de carga</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: de %2 a %3, mínimo de %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 horas</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 dias</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Limitar a carga para preservar a bateria</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>A carga para em %1&#xa0;% e recomeça abaixo de %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>A carga para em %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>A carga recomeça abaixo de %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Não foi possível ativar o limite de carga de %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Não foi possível desativar o limite de carga de %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Iniciar em segundo plano, apenas com os ícones na área de notificação; uma inicialização posterior sem opções mostra a janela, e ao fechar a janela o programa volta ao segundo plano.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Tente “%1 --help” para ver as opções.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: não há área de notificação para mostrar os ícones, então a janela é mostrada e fechá-la encerra o programa.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Mostra as baterias e os nobreaks informados pelo UPower, avisa antes que uma bateria se esgote e executa a ação escolhida para ela.
As opções do próprio Qt (-platform, -style, -display e as demais) também são aceitas.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Aumentar ou diminuir o brilho da tela em um nível, ou ajustá-lo para uma porcentagem como 40%, e sair: para teclas que o ambiente de trabalho associa a comandos (no Wayland). A instância em execução faz o ajuste e mostra o novo nível; se não houver nenhuma, o brilho é ajustado imediatamente.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Brilho inválido “%1”: informe up, down ou uma porcentagem como 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 em %2%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 está em %2%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 está em %2%, restam cerca de %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Controle de jogo</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Headset</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Alto-falantes</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Fones de ouvido</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Controle remoto</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Dispositivo vestível</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Crítica</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Cheia</translation>
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
        <translation>Avisar quando estiver baixa</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>A bateria de %1 está acabando. Carregue-a ou troque a bateria em breve.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 está em %2&#xa0;%. Carregue-o ou troque a bateria em breve.</translation>
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
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n dispositivo está com pouca bateria: %1. Carregue-o ou troque a bateria em breve.</numerusform>
            <numerusform>%n dispositivos estão com pouca bateria: %1. Carregue-os ou troque as baterias em breve.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Carga</translation>
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
        <translation>Este servidor gráfico não informa o tempo de inatividade</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>Neste servidor gráfico as teclas não podem ser atendidas</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Este servidor gráfico não pode desligar a tela</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>Não é possível acessar o servidor X</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>No Wayland as teclas não podem ser atendidas</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>No Wayland a tela não pode ser desligada</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Mantido acordado pela área de notificação</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Esta máquina não tem luz de fundo na tela para escurecer</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>O gerenciador de sessões (logind) não pode ajustar o brilho da tela aqui</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Não foi possível manter a máquina acordada: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Na bateria</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Na rede elétrica</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Escurecer a tela após</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Escurecer a tela após, na bateria</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Escurecer a tela após, na rede elétrica</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Escurecer até</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Escurecer até, na bateria</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Escurecer até, na rede elétrica</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Desligar a tela após</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Desligar a tela após, na bateria</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Desligar a tela após, na rede elétrica</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Entrar em repouso após</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Entrar em repouso após, na bateria</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Entrar em repouso após, na rede elétrica</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Modo de repouso</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Modo de repouso, na bateria</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Modo de repouso, na rede elétrica</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Nunca</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing happens when idle here: %1</source>
        <translation>Aqui nada acontece durante a inatividade: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>A tela não é escurecida: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>A tela não é desligada: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 (por inatividade) foi recusado: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Mantido acordado pelo menu da área de notificação</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>um aplicativo</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Mantido acordado por %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Mantido acordado por %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>e mais %n mantendo-o acordado</numerusform>
            <numerusform>e mais %n mantendo-o acordado</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Ao fechar a tampa</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Na bateria:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Na rede elétrica:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Com outra tela conectada:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Botão de energia:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Tecla de suspensão:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Deixar o sistema decidir</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Desligar a tela</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bloquear a tela</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Perguntar</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>O sistema fica com o botão de energia: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>O sistema fica com a tecla de suspensão: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Outro programa ocupa o botão de energia, ou nenhuma tecla o envia: o sistema fica com ele.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Outro programa ocupa a tecla de suspensão, ou nenhuma tecla a envia: o sistema fica com ela.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>O logind fica com o botão de energia: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>O logind fica com a tecla de suspensão: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>O logind fica com a tampa: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 foi recusado: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Trata a tampa conforme definido no gerenciador de energia</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Trata o botão de energia conforme definido no gerenciador de energia</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Trata a tecla de suspensão conforme definido no gerenciador de energia</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>o logind não concedeu nenhum bloqueio</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>o logind não está em execução</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Nenhum gerenciador de sessões (logind) está em execução.</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>O gerenciador de sessões (logind) não respondeu.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>O gerenciador de sessões (logind) não oferece isso para esta sessão.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Botão de energia</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>O que o computador deve fazer?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Perfil de energia</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Economia de energia</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Desempenho (limitado: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>a máquina está quente</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>está no colo</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>O serviço de perfis de energia não oferece este perfil.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>A bateria está fraca</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Na rede elétrica:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Na bateria:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Manter Economia de energia enquanto a carga de uma bateria não passar de</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Manter como está</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (não oferecido)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 em %2&#xa0;% foi recusado: %3. %4 está em %5&#xa0;%: salve seu trabalho.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (agendado) foi recusado: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 está mantendo a máquina ligada</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 está mantendo a máquina ligada (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> e mais %n</numerusform>
            <numerusform> e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>às</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Modelo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Número de série:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Fabricante:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tecnologia:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tipo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Caminho sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Dispositivo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Íon de lítio</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Polímero de lítio</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Fosfato de ferro-lítio</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Chumbo-ácido</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Níquel-cádmio</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Níquel-hidreto metálico</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Desconhecida</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Rede elétrica</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>Nobreak</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Desconhecido</translation>
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
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Agendamento</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Inatividade</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Perfil de energia</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Tampa e teclas</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Gerenciamento de energia</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Nenhuma bateria detectada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Gerenciador de energia</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Energia restabelecida</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Queda de energia</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Manter acordado</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Não é possível acessar o compositor Wayland</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Este compositor Wayland não informa o tempo de inatividade</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Este compositor Wayland não tem posto cujo tempo de inatividade possa informar</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>A conexão com o compositor Wayland foi interrompida</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Não foi possível mudar o perfil de energia para %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminação do teclado</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Este servidor X não informa o tempo de inatividade</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Este servidor X não pode desligar a tela (sem DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Gerenciamento de energia
Aplicativo para gerenciamento de energia</translation>
    </message>
</context>
</TS>
