<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>balsar</name>
    <message>
        <location filename="../src/app/AppStrings.h" line="7"/>
        <source>Balsar 工程文件 (*.ZPJ)</source>
        <translation>Balsar project file (*.ZPJ)</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="10"/>
        <source>打开%1错误,你需要手动打开!</source>
        <translation>Could not open %1; please open it by hand!</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="11"/>
        <source>版本号: V 1.0.0</source>
        <translation>Version: V 1.0.0</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="12"/>
        <source>关于 Balsar</source>
        <translation>About Balsar</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="14"/>
        <source>此功能尚未提供</source>
        <translation>This function is not available yet</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="17"/>
        <source>工程(&amp;F)</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="18"/>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="19"/>
        <source>排列(&amp;R)</source>
        <translation>A&amp;rrange</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="20"/>
        <source>画面(&amp;P)</source>
        <translation>Sc&amp;reen</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="21"/>
        <source>元件(&amp;I)</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="22"/>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="23"/>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="24"/>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="25"/>
        <location filename="../src/app/CommandTable.cpp" line="46"/>
        <source>画面属性(&amp;R)...</source>
        <translation>Screen P&amp;roperties...</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="26"/>
        <location filename="../src/app/CommandTable.cpp" line="19"/>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="27"/>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="28"/>
        <source>排列</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="29"/>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="30"/>
        <location filename="../src/simulator/SimulatorStrings.h" line="47"/>
        <source>元件</source>
        <translation>Item</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="31"/>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="34"/>
        <source>检查工程</source>
        <translation>Check Project</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="35"/>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="36"/>
        <source>类别</source>
        <translation>Severity</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="37"/>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="38"/>
        <location filename="../src/dialogs/DialogStrings.h" line="149"/>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="39"/>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="40"/>
        <location filename="../src/elements/GraphKindStrings.h" line="54"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="41"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="42"/>
        <source>没有发现问题</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <location filename="../src/app/AppStrings.h" line="43"/>
        <source>工程有错误，未下载：请看“检查”窗格</source>
        <translation>The project has errors and was not downloaded: see the "Check" pane</translation>
    </message>
    <message>
        <location filename="../src/compiler/ToolStrings.h" line="7"/>
        <source>制作下载文件包失败！</source>
        <translation>Could not build the download package!</translation>
    </message>
    <message>
        <location filename="../src/compiler/ToolStrings.h" line="8"/>
        <source>未能正常启动</source>
        <translation>Could not start</translation>
    </message>
    <message>
        <location filename="../src/compiler/ToolStrings.h" line="10"/>
        <location filename="../src/project/ProjectStrings.h" line="15"/>
        <source>无法打开文件 %s：%s</source>
        <translation>Cannot open file %s: %s</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="8"/>
        <location filename="../src/dialogs/DialogStrings.h" line="46"/>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="9"/>
        <source>站号</source>
        <translation>Station</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="10"/>
        <source>连接的设备</source>
        <translation>Connected device</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="11"/>
        <source>地址类型</source>
        <translation>Address type</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="12"/>
        <source>索引</source>
        <translation>Index</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="13"/>
        <source>地址值</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="14"/>
        <source>格式(范围)</source>
        <translation>Format (range)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="15"/>
        <source>编码</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="16"/>
        <source>字数</source>
        <translation>Words</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="20"/>
        <source>增  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="21"/>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="22"/>
        <source>修  改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="23"/>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="24"/>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="27"/>
        <location filename="../src/editor/EditorStrings.h" line="54"/>
        <location filename="../src/app/XrefDock.cpp" line="47"/>
        <source>全局设置</source>
        <translation>Global Settings</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="28"/>
        <source>初始画面</source>
        <translation>Initial screen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="29"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="14"/>
        <source>密码画面</source>
        <translation>Password screen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="30"/>
        <source>屏幕保护</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="31"/>
        <source>显示画面</source>
        <translation>Show screen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="32"/>
        <source>仅关闭背光</source>
        <translation>Backlight off only</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="33"/>
        <source>屏保恢复时需要口令</source>
        <translation>Password needed after screen saver</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="34"/>
        <source>密码级</source>
        <translation>Password level</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="35"/>
        <source>蜂鸣器静音</source>
        <translation>Mute buzzer</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="36"/>
        <source>双字交换(大端字节序)</source>
        <translation>Swap double words (big-endian)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="37"/>
        <source>焦点显示</source>
        <translation>Show focus</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="38"/>
        <source>自动变换显示画面，对应</source>
        <translation>Change screen automatically, register</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="39"/>
        <source>报告当前画面号，对应</source>
        <translation>Report current screen number, register</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="40"/>
        <source>控制地址</source>
        <translation>Control address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="41"/>
        <source>%1级密码</source>
        <translation>Level %1 password</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="44"/>
        <source>事件与报警列表</source>
        <translation>Event and Alarm List</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="45"/>
        <source>事件与报警设置</source>
        <translation>Event and Alarm Settings</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="47"/>
        <source>寄存器类型</source>
        <translation>Register type</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="48"/>
        <source>信息内容</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="49"/>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="50"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="51"/>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="52"/>
        <source>ALM画面</source>
        <translation>ALM screen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="53"/>
        <source>自动弹出报警窗口</source>
        <translation>Pop up alarm window automatically</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="54"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="61"/>
        <source>位地址</source>
        <translation>Bit address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="54"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="62"/>
        <source>字地址</source>
        <translation>Word address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="55"/>
        <source>置1时触发(ON触发)</source>
        <translation>Trigger when set to 1 (ON)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="56"/>
        <source>置0时触发(OFF触发)</source>
        <translation>Trigger when set to 0 (OFF)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="57"/>
        <source>当地址值</source>
        <translation>When the value</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="59"/>
        <source>取值范围</source>
        <translation>Value range</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="60"/>
        <source>更换图片...</source>
        <translation>Change Picture...</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="61"/>
        <source>下限</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="62"/>
        <source>上限</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="63"/>
        <source>触发蜂鸣器</source>
        <translation>Sound buzzer</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="65"/>
        <source>文字内容</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="66"/>
        <source>信息输入不能为空</source>
        <translation>The message must not be empty</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="67"/>
        <source>字状态取值范围越界，必须在-2147483648和2147483647</source>
        <translation>Word value out of range: must lie between -2147483648 and 2147483647</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="68"/>
        <source>上限必须大于下限</source>
        <translation>The upper limit must be greater than the lower limit</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="71"/>
        <source>触发方式</source>
        <translation>Trigger mode</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="72"/>
        <source>源地址</source>
        <translation>Source address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="73"/>
        <source>目标地址</source>
        <translation>Target address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="74"/>
        <source>传输个数</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="75"/>
        <source>执行次数</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="76"/>
        <source>有效窗口</source>
        <translation>Active screen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="77"/>
        <source>定时执行</source>
        <translation>Timed</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="78"/>
        <source>触发类型</source>
        <translation>Trigger type</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="79"/>
        <source>执行周期</source>
        <translation>Period</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="81"/>
        <source>0表示一直循环运行</source>
        <translation>0 means run continuously</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="82"/>
        <source>0表示所有窗口有效</source>
        <translation>0 means all screens</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="83"/>
        <location filename="../src/dialogs/DialogStrings.h" line="154"/>
        <source>数据类型</source>
        <translation>Data type</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="84"/>
        <source>字</source>
        <translation>Word</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="85"/>
        <source>位</source>
        <translation>Bit</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="86"/>
        <source>传输寄存器位(字)数</source>
        <translation>Bits (words) to transfer</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="87"/>
        <source>触发地址</source>
        <translation>Trigger address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="90"/>
        <location filename="../src/editor/EditorStrings.h" line="56"/>
        <source>语言设置</source>
        <translation>Language Settings</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="91"/>
        <source>语种全局设定</source>
        <translation>Languages of the project</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="92"/>
        <source>语种</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="93"/>
        <source>默认字体</source>
        <translation>Default font</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="94"/>
        <source>使用语种数:</source>
        <translation>Languages used:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="95"/>
        <source>系统提示信息语种：</source>
        <translation>Language of system messages:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="96"/>
        <location filename="../src/i18n/I18nStrings.h" line="8"/>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="96"/>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="97"/>
        <source>请至少配置一种语言！</source>
        <translation>Please configure at least one language!</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="98"/>
        <source>请选择语言！</source>
        <translation>Please choose a language!</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="99"/>
        <source>请选择字体！</source>
        <translation>Please choose a font!</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="102"/>
        <source>设备(厂商)分类</source>
        <translation>Device (maker) class</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="103"/>
        <source>设备型号</source>
        <translation>Device model</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="104"/>
        <source>通讯类型</source>
        <translation>Communication type</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="105"/>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="106"/>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="107"/>
        <source>奇偶校验</source>
        <translation>Parity</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="108"/>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="109"/>
        <source>从设备号</source>
        <translation>Slave station</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="110"/>
        <source>兼容型号</source>
        <translation>Compatible models</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="114"/>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="115"/>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="116"/>
        <source>上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="117"/>
        <location filename="../src/transfer/app/AppStrings.h" line="11"/>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="118"/>
        <source>通讯参数</source>
        <translation>Communication parameters</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="119"/>
        <location filename="../src/transfer/TransferStrings.h" line="54"/>
        <location filename="../src/transfer/app/AppStrings.h" line="21"/>
        <source>串口</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="120"/>
        <source>高级设定</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="121"/>
        <source>恢复默认</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="122"/>
        <source>通讯高级设置</source>
        <translation>Advanced Communication Settings</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="123"/>
        <source>通讯超时时间(mS)</source>
        <translation>Communication timeout (ms)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="124"/>
        <source>协议超时参数1</source>
        <translation>Protocol timeout 1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="125"/>
        <source>协议超时参数2</source>
        <translation>Protocol timeout 2</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="126"/>
        <source>组包位寄存器间隔</source>
        <translation>Bit register gap per frame</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="127"/>
        <source>组包字寄存器间隔</source>
        <translation>Word register gap per frame</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="128"/>
        <source>位组包最大寄存器个数</source>
        <translation>Max bit registers per frame</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="129"/>
        <source>字组包最大寄存器个数</source>
        <translation>Max word registers per frame</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="130"/>
        <source>通讯时间间隔(mS)</source>
        <translation>Communication interval (ms)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="131"/>
        <source>提示信息显示时间(S)</source>
        <translation>Message display time (s)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="132"/>
        <source>出现错误后重试次数</source>
        <translation>Retries after an error</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="133"/>
        <source>超过重试次数后</source>
        <translation>When retries are used up</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="134"/>
        <location filename="../src/transfer/app/AppStrings.h" line="35"/>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="135"/>
        <source>切断</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="136"/>
        <source>恢复默认设置</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="137"/>
        <source>通讯串口选择</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="141"/>
        <source>静态文本属性</source>
        <translation>Static Text Properties</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="142"/>
        <source>寄存器属性</source>
        <translation>Register Properties</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="143"/>
        <source>文字串:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="144"/>
        <source>字号:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="145"/>
        <source>语言:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="146"/>
        <source>字体:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="147"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="43"/>
        <source>反相显示</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="148"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="64"/>
        <source>使用点阵字库</source>
        <translation>Use dot-matrix font</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="150"/>
        <source>倍角</source>
        <translation>Double size</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="151"/>
        <source>通用属性</source>
        <translation>Common</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="152"/>
        <location filename="../src/simulator/SimulatorStrings.h" line="47"/>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="153"/>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="155"/>
        <source>数据宽度</source>
        <translation>Data width</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="156"/>
        <source>整数位数</source>
        <translation>Integer digits</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="157"/>
        <source>小数位数</source>
        <translation>Decimal digits</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="158"/>
        <source>前导零</source>
        <translation>Leading zeros</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="159"/>
        <source>允许输入</source>
        <translation>Allow input</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="160"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="40"/>
        <source>密码等级</source>
        <translation>Password level</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="161"/>
        <source>输入上下限</source>
        <translation>Input limits</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="162"/>
        <source>使用比例转换</source>
        <translation>Use scaling</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="163"/>
        <location filename="../src/editor/EditorStrings.h" line="22"/>
        <source>对齐</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <location filename="../src/dialogs/DialogStrings.h" line="164"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="44"/>
        <source>不改变当前等级</source>
        <translation>Keep current level</translation>
    </message>
    <message>
        <location filename="../src/dialogs/FunckeyPageStrings.h" line="6"/>
        <source>按键:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/FunckeyPageStrings.h" line="7"/>
        <source>功能:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/FunckeyPageStrings.h" line="8"/>
        <source>密码等级:</source>
        <translation>Password level:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/FunckeyPageStrings.h" line="9"/>
        <location filename="../src/elements/KeysLampsStrings.h" line="51"/>
        <source>大小:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="47"/>
        <source>指示灯</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="48"/>
        <source>功能键</source>
        <translation>Function key</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="49"/>
        <source>静态文本</source>
        <translation>Static text</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="50"/>
        <source>动态文本</source>
        <translation>Dynamic text</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="51"/>
        <source>数值元件</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="7"/>
        <location filename="../src/app/CommandTable.cpp" line="52"/>
        <source>棒状图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="8"/>
        <location filename="../src/app/CommandTable.cpp" line="53"/>
        <source>趋势图</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="8"/>
        <location filename="../src/app/CommandTable.cpp" line="54"/>
        <source>图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="8"/>
        <location filename="../src/app/CommandTable.cpp" line="55"/>
        <location filename="../src/dialogs/ElementPropertiesDialog.cpp" line="77"/>
        <source>ASCII字串</source>
        <translation>ASCII string</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="8"/>
        <location filename="../src/app/CommandTable.cpp" line="56"/>
        <location filename="../src/dialogs/ElementPropertiesDialog.cpp" line="80"/>
        <source>事件显示元件</source>
        <translation>Event list</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="9"/>
        <source>文字串</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="10"/>
        <source>动态文字串</source>
        <translation>Dynamic text</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="11"/>
        <location filename="../src/elements/GraphKindStrings.h" line="41"/>
        <source>每页只允许放置4个趋势图!</source>
        <translation>Only 4 trend graphs are allowed per screen!</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="13"/>
        <location filename="../src/elements/GraphKindStrings.h" line="51"/>
        <source>文件格式非法，只能导入单色位图</source>
        <translation>Invalid file format: only monochrome bitmaps can be imported</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="14"/>
        <location filename="../src/elements/GraphKindStrings.h" line="52"/>
        <source>载入图片失败</source>
        <translation>Could not load the picture</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="15"/>
        <location filename="../src/elements/GraphKindStrings.h" line="53"/>
        <source>图片尺寸太大，无法载入!</source>
        <translation>The picture is too large to load!</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="16"/>
        <source>鼠标[x=%1  y=%2]</source>
        <translation>Mouse [x=%1  y=%2]</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="19"/>
        <source>插入元件</source>
        <translation>Insert item</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="20"/>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="21"/>
        <source>微调</source>
        <translation>Nudge</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="23"/>
        <source>等间隔</source>
        <translation>Space evenly</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="24"/>
        <location filename="../src/elements/ElementStrings.h" line="21"/>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="25"/>
        <source>改变大小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="26"/>
        <location filename="../src/app/CommandTable.cpp" line="26"/>
        <source>置前</source>
        <translation>Bring forward</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="27"/>
        <location filename="../src/app/CommandTable.cpp" line="27"/>
        <source>置后</source>
        <translation>Send back</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="28"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="29"/>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="30"/>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="31"/>
        <source>元件标签</source>
        <translation>Item labels</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="32"/>
        <source>交换串口</source>
        <translation>Swap serial ports</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="35"/>
        <location filename="../src/app/CommandTable.cpp" line="43"/>
        <source>新建画面</source>
        <translation>New Screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="36"/>
        <location filename="../src/app/CommandTable.cpp" line="44"/>
        <source>复制画面</source>
        <translation>Copy Screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="37"/>
        <location filename="../src/app/CommandTable.cpp" line="45"/>
        <source>删除画面</source>
        <translation>Delete Screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="38"/>
        <location filename="../src/editor/EditorStrings.h" line="50"/>
        <source>画面属性</source>
        <translation>Screen Properties</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="39"/>
        <source>画面号</source>
        <translation>Screen number</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="40"/>
        <source>画面描述</source>
        <translation>Screen description</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="41"/>
        <source>系统页面</source>
        <translation>System screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="42"/>
        <source>该画面号已存在，是否覆盖?</source>
        <translation>This screen number exists already. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="43"/>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="44"/>
        <source>号画面到:</source>
        <translation>to screen:</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="45"/>
        <source>号画面</source>
        <translation>(screen number)</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="46"/>
        <source>按向上键至画面</source>
        <translation>UP key goes to screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="47"/>
        <source>按向下键至画面</source>
        <translation>DOWN key goes to screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="48"/>
        <source>(0表示禁用上键)</source>
        <translation>(0 disables the UP key)</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="49"/>
        <source>(0表示禁用下键)</source>
        <translation>(0 disables the DOWN key)</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="53"/>
        <source>通讯设置</source>
        <translation>Communication</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="55"/>
        <source>报警设置</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="57"/>
        <source>画面</source>
        <translation>Screens</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="58"/>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="59"/>
        <location filename="../src/plc/PlcStrings.h" line="28"/>
        <source>(未使用)</source>
        <translation>(unused)</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="60"/>
        <source>通信</source>
        <translation>Communication</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="61"/>
        <location filename="../src/app/CommandTable.cpp" line="63"/>
        <source>交换串口(&amp;P)</source>
        <translation>Swap serial &amp;ports</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="62"/>
        <source>功能</source>
        <translation>Functions</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="63"/>
        <source>新建画面(&amp;N)</source>
        <translation>&amp;New Screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="64"/>
        <source>复制画面(&amp;C)</source>
        <translation>&amp;Copy Screen</translation>
    </message>
    <message>
        <location filename="../src/editor/EditorStrings.h" line="65"/>
        <source>删除画面(&amp;D)</source>
        <translation>&amp;Delete Screen</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="8"/>
        <source>8(仅限英文)</source>
        <translation>8 (English only)</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="9"/>
        <source>所有非英文字符将丢失，是否继续？</source>
        <translation>Every non-English character will be lost. Continue?</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="10"/>
        <source>宋体</source>
        <translation>宋体</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="14"/>
        <source>字符串长度越界，多余字符将被截断。是否继续？</source>
        <translation>The string is too long; extra characters will be cut off. Continue?</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="15"/>
        <source>文本越界,请裁剪部分字串来适应屏幕尺寸!</source>
        <translation>The text runs off the screen: please shorten it to fit the screen size!</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="18"/>
        <location filename="../src/elements/GraphKindStrings.h" line="30"/>
        <source>十进制有符号数</source>
        <translation>Signed decimal</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="18"/>
        <location filename="../src/elements/GraphKindStrings.h" line="30"/>
        <source>十进制无符号数</source>
        <translation>Unsigned decimal</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="18"/>
        <location filename="../src/elements/GraphKindStrings.h" line="30"/>
        <source>十六进制/BCD</source>
        <translation>Hexadecimal/BCD</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="19"/>
        <location filename="../src/elements/GraphKindStrings.h" line="30"/>
        <source>单精度浮点</source>
        <translation>Single-precision float</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="19"/>
        <location filename="../src/elements/GraphKindStrings.h" line="31"/>
        <source>双精度浮点</source>
        <translation>Double-precision float</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="19"/>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="20"/>
        <location filename="../src/elements/GraphKindStrings.h" line="32"/>
        <source>单字</source>
        <translation>Single word</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="20"/>
        <location filename="../src/elements/GraphKindStrings.h" line="32"/>
        <source>双字</source>
        <translation>Double word</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="21"/>
        <location filename="../src/app/CommandTable.cpp" line="32"/>
        <source>左对齐</source>
        <translation>Align left</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="21"/>
        <location filename="../src/app/CommandTable.cpp" line="34"/>
        <source>右对齐</source>
        <translation>Align right</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="22"/>
        <source>输入数据</source>
        <translation>Input data</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="22"/>
        <source>工程数据</source>
        <translation>Project data</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="23"/>
        <location filename="../src/plc/PlcStrings.h" line="24"/>
        <source>输入越界</source>
        <translation>Input out of range</translation>
    </message>
    <message>
        <location filename="../src/elements/ElementStrings.h" line="24"/>
        <location filename="../src/plc/PlcStrings.h" line="25"/>
        <source>输入越界,可输入范围</source>
        <translation>Input out of range; allowed range</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="26"/>
        <source>字体“%s”无法使用，已改用“%s”</source>
        <translation>Font "%s" is not available; "%s" is used instead</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="27"/>
        <source>字体“%s”无法使用，且没有可替代的字体</source>
        <translation>Font "%s" is not available and no substitute was found</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="28"/>
        <source>字体“%s”中没有字符“%s”，已改用“%s”</source>
        <translation>Font "%s" has no character "%s"; "%s" is used instead</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="29"/>
        <source>字体“%s”中没有字符“%s”，面板上将显示“?”或空白</source>
        <translation>Font "%s" has no character "%s"; the panel will show "?" or a blank</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="30"/>
        <source>点阵字库（及8号字）只有英文字符，字符“%s”将显示为“?”</source>
        <translation>The dot-matrix font (and size 8) has English characters only; character "%s" will show as "?"</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="31"/>
        <source>文本有%d个字符，超过255个，只编译前255个</source>
        <translation>The text has %d characters, more than 255; only the first 255 are compiled</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="32"/>
        <source>元件(%d,%d)-(%d,%d)超出屏幕%dx%d，已截到屏幕边缘</source>
        <translation>Element (%d,%d)-(%d,%d) reaches past the %dx%d screen; it was cut at the screen edge</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="33"/>
        <source>地址“%s”的寄存器类型“%s”在COM%d的协议中没有定义，将编译为LW 0</source>
        <translation>Address "%s": register type "%s" is not defined by the protocol of COM%d; it is compiled as LW 0</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="34"/>
        <source>地址“%s”位于未启用的COM%d，将编译为LW 0</source>
        <translation>Address "%s" is on COM%d, which is not enabled; it is compiled as LW 0</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="35"/>
        <source>画面%d不存在</source>
        <translation>Screen %d does not exist</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="36"/>
        <source>画面%d不存在，面板将使用画面%d</source>
        <translation>Screen %d does not exist; the panel will use screen %d</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="37"/>
        <source>画面编号%d重复</source>
        <translation>Screen number %d is used twice</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="38"/>
        <source>工程中没有画面</source>
        <translation>The project has no screens</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="39"/>
        <source>面板型号%d不存在，无法确定屏幕尺寸与端口</source>
        <translation>Panel model %d does not exist; the screen size and ports cannot be determined</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="40"/>
        <source>未选择触发方式（定时触发或寄存器触发），该项永远不会执行</source>
        <translation>No trigger chosen (timed or register trigger); this item never runs</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="41"/>
        <source>编译结果%u字节，超过面板可用空间%u字节</source>
        <translation>The compiled image has %u bytes, more than the %u bytes the panel can hold</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="42"/>
        <source>无法计算面板可用空间：%s</source>
        <translation>The panel capacity cannot be determined: %s</translation>
    </message>
    <message>
        <location filename="../src/elements/FindingStrings.h" line="43"/>
        <source>状态数超过上限，从状态%d起的状态未编译</source>
        <translation>Too many states; the states from state %d on are not compiled</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="9"/>
        <source>显示序号</source>
        <translation>Show number</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="10"/>
        <source>显示日期</source>
        <translation>Show date</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="11"/>
        <source>日期分隔符</source>
        <translation>Date separator</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="12"/>
        <source>显示4位年份</source>
        <translation>Four-digit year</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="13"/>
        <source>日月消零</source>
        <translation>No leading zero in day and month</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="14"/>
        <source>显示时间</source>
        <translation>Show time</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="22"/>
        <source>字  号:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="23"/>
        <source>字符数:</source>
        <translation>Characters:</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="24"/>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="25"/>
        <source>反相</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="28"/>
        <source>棒图属性</source>
        <translation>Bar Graph Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="29"/>
        <source>趋势图属性</source>
        <translation>Trend Graph Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="33"/>
        <source>向上</source>
        <translation>Up</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="33"/>
        <source>向下</source>
        <translation>Down</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="33"/>
        <source>向左</source>
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="33"/>
        <source>向右</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="34"/>
        <source>零额度值:</source>
        <translation>Zero value:</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="35"/>
        <source>满额度值:</source>
        <translation>Full-scale value:</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="37"/>
        <source>采样频率:</source>
        <translation>Sampling rate:</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="47"/>
        <source>图片属性</source>
        <translation>Picture Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="48"/>
        <source>压缩</source>
        <translation>Compress</translation>
    </message>
    <message>
        <location filename="../src/elements/GraphKindStrings.h" line="49"/>
        <source>阀值:</source>
        <translation>Threshold:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="9"/>
        <source>跳转画面</source>
        <translation>Go to screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="9"/>
        <source>位设定</source>
        <translation>Set bit</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="9"/>
        <source>字设定</source>
        <translation>Set word</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="12"/>
        <source>跳转至画面</source>
        <translation>Go to screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="13"/>
        <source>返回上一画面</source>
        <translation>Back to previous screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="15"/>
        <source>报警列表画面</source>
        <translation>Alarm list screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="18"/>
        <source>设定方式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="19"/>
        <source>设定为ON</source>
        <translation>Set ON</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="19"/>
        <source>设定为OFF</source>
        <translation>Set OFF</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="19"/>
        <source>取反</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="20"/>
        <source>复位开关</source>
        <translation>Momentary</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="20"/>
        <source>进入画面设为ON</source>
        <translation>ON when entering screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="20"/>
        <source>离开画面设为ON</source>
        <translation>ON when leaving screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="21"/>
        <source>进入画面设为OFF</source>
        <translation>OFF when entering screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="21"/>
        <source>离开画面设为OFF</source>
        <translation>OFF when leaving screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="22"/>
        <source>设定常数</source>
        <translation>Set constant</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="22"/>
        <source>加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="22"/>
        <source>减</source>
        <translation>Subtract</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="23"/>
        <source>递加</source>
        <translation>Increment</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="23"/>
        <source>递减</source>
        <translation>Decrement</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="23"/>
        <source>进入画面时设置</source>
        <translation>Set when entering screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="24"/>
        <source>离开画面时设置</source>
        <translation>Set when leaving screen</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="24"/>
        <source>加(到限循环)</source>
        <translation>Add (wrap at limit)</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="24"/>
        <source>递加(到限循环)</source>
        <translation>Increment (wrap at limit)</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="25"/>
        <source>设置值:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="26"/>
        <source>加数:</source>
        <translation>Addend:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="27"/>
        <source>减数:</source>
        <translation>Subtrahend:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="28"/>
        <source>递加值:</source>
        <translation>Increment by:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="29"/>
        <source>递减值:</source>
        <translation>Decrement by:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="30"/>
        <source>上限:</source>
        <translation>Upper limit:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="31"/>
        <source>下限:</source>
        <translation>Lower limit:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="32"/>
        <source>迟滞时间</source>
        <translation>Delay</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="33"/>
        <source>执行速度</source>
        <translation>Repeat rate</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="34"/>
        <source>按下后立即执行递加/递减操作</source>
        <translation>Increment/decrement at once when pressed</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="39"/>
        <source>功能键属性</source>
        <translation>Function Key Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="41"/>
        <source>手型</source>
        <translation>Hand cursor</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="42"/>
        <source>隐藏</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="48"/>
        <source>指示灯属性</source>
        <translation>Lamp Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="49"/>
        <source>形状:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="50"/>
        <source>圆形</source>
        <translation>Round</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="50"/>
        <source>方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="52"/>
        <source>负逻辑</source>
        <translation>Negative logic</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="53"/>
        <location filename="../src/project/SettingsStrings.h" line="12"/>
        <source>闪烁</source>
        <translation>Blink</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="54"/>
        <source>状态为0时闪烁</source>
        <translation>Blink when 0</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="54"/>
        <source>状态为1时闪烁</source>
        <translation>Blink when 1</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="55"/>
        <source>周期:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="59"/>
        <source>动态文本属性</source>
        <translation>Dynamic Text Properties</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="60"/>
        <source>数据类型:</source>
        <translation>Data type:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="63"/>
        <source>对齐:</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="65"/>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="66"/>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <location filename="../src/elements/KeysLampsStrings.h" line="67"/>
        <source>数值越界部分文本将丢失，是否继续？</source>
        <translation>The text of values out of range will be lost. Continue?</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="8"/>
        <source>型号名称: %s</source>
        <translation>Model name: %s</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="9"/>
        <source>显示分辨率: %dx%d</source>
        <translation>Resolution: %dx%d</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="10"/>
        <source>显示尺寸: %s英寸</source>
        <translation>Display size: %s inch</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="11"/>
        <source>色彩: 单色</source>
        <translation>Colours: monochrome</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="12"/>
        <source>色彩: %d色</source>
        <translation>Colours: %d</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="13"/>
        <source>键盘: %d键</source>
        <translation>Keypad: %d keys</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="14"/>
        <source>触控: 支持</source>
        <translation>Touch: yes</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="15"/>
        <source>触控: 不支持</source>
        <translation>Touch: no</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="16"/>
        <source>编码器: 支持</source>
        <translation>Encoder: yes</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="17"/>
        <source>编码器: 不支持</source>
        <translation>Encoder: no</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="18"/>
        <source>%s: 支持</source>
        <translation>%s: yes</translation>
    </message>
    <message>
        <location filename="../src/hardware/HardwareStrings.h" line="19"/>
        <source>%s: 不支持</source>
        <translation>%s: no</translation>
    </message>
    <message>
        <location filename="../src/i18n/I18nStrings.h" line="6"/>
        <source>界面语言(&amp;G)</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <location filename="../src/i18n/I18nStrings.h" line="7"/>
        <source>跟随系统</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <location filename="../src/i18n/I18nStrings.h" line="10"/>
        <source>界面语言将在程序重新启动后生效。</source>
        <translation>The language changes when the program is started again.</translation>
    </message>
    <message>
        <location filename="../src/plc/PlcStrings.h" line="29"/>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../src/plc/PlcStrings.h" line="30"/>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../src/plc/PlcStrings.h" line="31"/>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="6"/>
        <source>新建工程向导-工程名称</source>
        <translation>New Project Wizard - Project Name</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="7"/>
        <source>新建工程向导-选择文本类型</source>
        <translation>New Project Wizard - Panel Model</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="8"/>
        <source>新建工程向导-选择通讯协议</source>
        <translation>New Project Wizard - Communication Protocol</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="9"/>
        <source>工程名称</source>
        <translation>Project name</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="10"/>
        <source>保存位置</source>
        <translation>Location</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="11"/>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="12"/>
        <source>文本显示器型号</source>
        <translation>Panel model</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="13"/>
        <source>请选择工程文件夹</source>
        <translation>Please choose the project folder</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="14"/>
        <source>工程目录(%s)已存在，是否覆盖？</source>
        <translation>The project folder (%s) exists already. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="15"/>
        <source>目录(%s)不存在，请重新选择！</source>
        <translation>The folder (%s) does not exist; please choose another!</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="16"/>
        <source>工程创建后，文本显示器型号将不能被修改，确认创建工程？</source>
        <translation>The panel model cannot be changed once the project is created. Create the project?</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="17"/>
        <source>无法创建目录(%s)！</source>
        <translation>Cannot create the folder (%s)!</translation>
    </message>
    <message>
        <location filename="../src/project/NewProjectStrings.h" line="18"/>
        <source>无法删除目录(%s)！</source>
        <translation>Cannot delete the folder (%s)!</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="6"/>
        <source>打开工程失败</source>
        <translation>Could not open the project</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="7"/>
        <source>此工程是由新版本软件创建的，请使用新版本软件</source>
        <translation>This project was made by a newer version; please use the newer version</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="9"/>
        <source>文件格式错误</source>
        <translation>Wrong file format</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="10"/>
        <source>请确定是否为ZPJ文件!</source>
        <translation>Please make sure this is a ZPJ file!</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="11"/>
        <source>工程已处于打开状态，请不要重复打开!</source>
        <translation>The project is open already; please do not open it twice!</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="12"/>
        <source>这个工程已经存在于您选择的目录，替换旧的工程吗？</source>
        <translation>This project exists already in the chosen folder. Replace the old project?</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="13"/>
        <source>是否保存对 %s 的更改？</source>
        <translation>Save changes to %s?</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectStrings.h" line="14"/>
        <source>无法创建文件 %s：%s</source>
        <translation>Cannot create file %s: %s</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="8"/>
        <source>全局设定</source>
        <translation>Global Settings</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="9"/>
        <source>密码输入范围越界</source>
        <translation>Password out of range</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>从不</source>
        <translation>Never</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>1分钟</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>2分钟</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>3分钟</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>5分钟</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="10"/>
        <source>10分钟</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="11"/>
        <source>15分钟</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="11"/>
        <source>20分钟</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="11"/>
        <source>30分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="11"/>
        <source>45分钟</source>
        <translation>45 minutes</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="11"/>
        <source>1小时</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="12"/>
        <source>反色</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="15"/>
        <source>数据传输设置</source>
        <translation>Data Transfer Settings</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="16"/>
        <source>数据传输设定</source>
        <translation>Data Transfer</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="17"/>
        <source>报警设置条目已存在</source>
        <translation>This alarm entry exists already</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="18"/>
        <source>请先选择一行</source>
        <translation>Please select a row first</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="19"/>
        <source>确定删除？</source>
        <translation>Delete it?</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="20"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="21"/>
        <source>是否放弃可能的更改？</source>
        <translation>Discard any changes?</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="22"/>
        <source>定时触发</source>
        <translation>Timed</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="23"/>
        <source>寄存器触发</source>
        <translation>Register triggered</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="27"/>
        <source>修改通讯协议</source>
        <translation>Change Communication Protocol</translation>
    </message>
    <message>
        <location filename="../src/project/SettingsStrings.h" line="28"/>
        <source>已更改端口的所有关联组态信息都将被复位，是否确认？</source>
        <translation>Every setting tied to the changed port will be reset. Continue?</translation>
    </message>
    <message>
        <location filename="../src/runtime/RuntimeStrings.h" line="7"/>
        <source>密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <location filename="../src/runtime/RuntimeStrings.h" line="8"/>
        <source>权限不足</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <location filename="../src/runtime/RuntimeStrings.h" line="9"/>
        <source>输入超出范围</source>
        <translation>Input out of range</translation>
    </message>
    <message>
        <location filename="../src/runtime/RuntimeStrings.h" line="10"/>
        <source>通讯错误</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="47"/>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="50"/>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="51"/>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="52"/>
        <source>离线</source>
        <translation>Offline</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="53"/>
        <source>已连接: %s</source>
        <translation>Connected: %s</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="54"/>
        <source>%s 已切断 (重试次数用完)</source>
        <translation>%s disconnected (retries used up)</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="55"/>
        <source>画面 %d</source>
        <translation>Screen %d</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="56"/>
        <source>输入: %s</source>
        <translation>Input: %s</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="57"/>
        <source>密码等级 %d</source>
        <translation>Password level %d</translation>
    </message>
    <message>
        <location filename="../src/simulator/SimulatorStrings.h" line="58"/>
        <source>蜂鸣</source>
        <translation>Beep</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="7"/>
        <source>通信启动失败！
如果文本上电无显示，请尝试按住SET键重新上电，
看到BOOTLOADER字样显示后释放按键，即可下载成功。</source>
        <translation>Could not start communication!
If the panel shows nothing after power-up, hold the SET key while powering up again,
release it when BOOTLOADER appears, and the download will succeed.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="9"/>
        <source>获取下位机信息失败！</source>
        <translation>Could not read the panel information!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="10"/>
        <source>进入BOOT模式失败！</source>
        <translation>Could not enter BOOT mode!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="11"/>
        <source>设备连接错误，请重启设备！</source>
        <translation>Device connection error; please restart the device!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="12"/>
        <source>进入下载模式失败</source>
        <translation>Could not enter download mode</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="13"/>
        <source>打开文件失败！</source>
        <translation>Could not open the file!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="14"/>
        <source>下载包文件版本不符！</source>
        <translation>Download package version does not match!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="15"/>
        <source>未知文本硬件型号!</source>
        <translation>Unknown panel model!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="17"/>
        <source>工程过大，无法下载到文本显示器中，请尝试：&#xd;
1.使用尽可能少的字体种类，尽可能小的字号；&#xd;
2.尽可能少的使用位图!</source>
        <translation>The project is too large to download into the panel. Try:&#xd;
1. as few fonts and as small font sizes as possible;&#xd;
2. as few bitmaps as possible!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="19"/>
        <source>擦除FLASH失败！</source>
        <translation>Could not erase the FLASH!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="20"/>
        <source>烧写%s失败！</source>
        <translation>Writing %s failed!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="21"/>
        <source>烧写%s成功！</source>
        <translation>Writing %s succeeded!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="24"/>
        <source>擦除FLASH</source>
        <translation>Erasing FLASH</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="26"/>
        <source>下载%s:</source>
        <translation>Downloading %s:</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="27"/>
        <source>设备连接，请稍候...</source>
        <translation>Connecting to the device, please wait...</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="28"/>
        <source>文件校验错误！</source>
        <translation>File check error!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="32"/>
        <source>用户数据</source>
        <translation>user data</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="33"/>
        <source>驱动(0)</source>
        <translation>Driver (0)</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="34"/>
        <source>驱动(1)</source>
        <translation>Driver (1)</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="37"/>
        <source>下载包文件已损坏！</source>
        <translation>The download package is damaged!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="38"/>
        <source>下载%s失败！</source>
        <translation>Downloading %s failed!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="39"/>
        <source>GUI更新后设备未回到应用程序模式！</source>
        <translation>The device did not return to application mode after the GUI update!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="40"/>
        <source>设备没有进入BOOTLOADER！</source>
        <translation>The device did not enter the BOOTLOADER!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="43"/>
        <source>下载包中没有适用于该文本硬件型号的GUI程序！</source>
        <translation>The download package has no GUI program for this panel model!</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="45"/>
        <source>下载包中的%s是占位文件，不是真正的程序，不能写入真实的文本显示器！
（占位文件只用于模拟设备；确需写入时请加选项 --allow-placeholder。）</source>
        <translation>%s in the download package is a placeholder, not a real program, and cannot be written into a real panel!
(Placeholders only serve emulated devices; to write it anyway add the option --allow-placeholder.)</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="47"/>
        <source>型号：%u</source>
        <translation>Model: %u</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="50"/>
        <source>IP地址无效：%s</source>
        <translation>Invalid IP address: %s</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="51"/>
        <source>端口无效：%s</source>
        <translation>Invalid port: %s</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="52"/>
        <source>找不到串口：%s</source>
        <translation>Serial port not found: %s</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="53"/>
        <source>读取USB设备列表失败：%s</source>
        <translation>Could not list the USB devices: %s</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="57"/>
        <source>设备未做任何改动。</source>
        <translation>The device was not changed.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="58"/>
        <source>设备可能已切换到BOOTLOADER，状态不明：请重新上电后再下载。</source>
        <translation>The device may have switched to the BOOTLOADER; its state is unknown: power it up again, then download again.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="60"/>
        <source>设备停留在BOOTLOADER中，原GUI程序未改动：重新上电即可回到应用程序，然后可重新下载。</source>
        <translation>The device stays in the BOOTLOADER; its GUI program is unchanged: power it up again to return to the application, then download again.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="62"/>
        <source>设备停留在BOOTLOADER中，GUI程序不完整：请重新下载（会重新写入GUI程序）。</source>
        <translation>The device stays in the BOOTLOADER with an incomplete GUI program: download again (the GUI program will be written again).</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="64"/>
        <source>GUI程序已写入，但设备重启后没有应答：请检查连接，重新上电后再下载。</source>
        <translation>The GUI program was written, but the device did not answer after its restart: check the connection, power it up again, then download again.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="65"/>
        <source>设备已回到应用程序，原工程未改动。</source>
        <translation>The device is back in its application; the project is unchanged.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="66"/>
        <source>设备已退出下载模式，但工程数据不完整：请重新下载。</source>
        <translation>The device left download mode, but the project data are incomplete: please download again.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="68"/>
        <source>设备可能仍处于下载模式且没有应答：请重新上电后再下载。</source>
        <translation>The device may still be in download mode and does not answer: power it up again, then download again.</translation>
    </message>
    <message>
        <location filename="../src/transfer/TransferStrings.h" line="71"/>
        <source>下载成功！</source>
        <translation>Download succeeded!</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="6"/>
        <source>下载工程</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="7"/>
        <source>强制更新GUI</source>
        <translation>Update GUI</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="8"/>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="9"/>
        <source>下载设置</source>
        <translation>Download Settings</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="10"/>
        <source>选择工程</source>
        <translation>Choose Project</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="12"/>
        <source>不能同时打开多个</source>
        <translation>Already running: </translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="14"/>
        <source>关于%1(&amp;A)...</source>
        <translation>&amp;About %1...</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="15"/>
        <source>%1 %2
文本显示器工程下载工具</source>
        <translation>%1 %2
Panel project download tool</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="18"/>
        <source>通信设置</source>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="19"/>
        <source>网口(UDP)</source>
        <translation>UDP</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="22"/>
        <source>IP地址:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="23"/>
        <source>端口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="25"/>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="28"/>
        <source>工程包：</source>
        <translation>Project package: </translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="29"/>
        <source>设备：</source>
        <translation>Device: </translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="30"/>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="31"/>
        <source>型号 %1，GUI版本 %2</source>
        <translation>Model %1, GUI version %2</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="32"/>
        <source>（模拟设备）</source>
        <translation>(emulated device)</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="36"/>
        <source>USB设备号无效：%1
请输入 VID:PID（十六进制），或留空以使用 lib/usb/panels.conf。</source>
        <translation>Invalid USB device ID: %1
Enter VID:PID (hexadecimal), or leave it empty to use lib/usb/panels.conf.</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="40"/>
        <source>
正在运行的%1正在下载另一个工程包：
%2
新的工程包没有下载：
%3</source>
        <translation>
The running %1 is downloading another project package:
%2
The new project package was not downloaded:
%3</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="41"/>
        <source>
正在运行的%1已取得工程包：
%2
请在其窗口中点击“下载工程”。</source>
        <translation>
The running %1 has taken the project package:
%2
Please click "Download" in its window.</translation>
    </message>
    <message>
        <location filename="../src/transfer/app/AppStrings.h" line="43"/>
        <source>
正在运行的%1原来持有另一个工程包：
%2
已改为新的工程包：
%3
请在其窗口中点击“下载工程”。</source>
        <translation>
The running %1 held another project package:
%2
It now holds the new project package:
%3
Please click "Download" in its window.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="11"/>
        <source>新建工程(&amp;N)</source>
        <translation>&amp;New Project</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="12"/>
        <source>打开工程(&amp;O)...</source>
        <translation>&amp;Open Project...</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="13"/>
        <source>关闭工程(&amp;E)</source>
        <translation>Clos&amp;e Project</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="14"/>
        <source>保存工程(&amp;S)</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="15"/>
        <source>工程另存为(&amp;A)</source>
        <translation>Save Project &amp;As</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="16"/>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="17"/>
        <source>导入旧工程</source>
        <translation>Import Old Project</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="18"/>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="20"/>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="21"/>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="22"/>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="23"/>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="24"/>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="25"/>
        <source>全不选(&amp;E)</source>
        <translation>S&amp;elect None</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="28"/>
        <source>左移</source>
        <translation>Move left</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="29"/>
        <source>右移</source>
        <translation>Move right</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="30"/>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="31"/>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="33"/>
        <location filename="../src/app/CommandTable.cpp" line="36"/>
        <source>中间对齐</source>
        <translation>Align centres</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="35"/>
        <source>上对齐</source>
        <translation>Align top</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="37"/>
        <source>下对齐</source>
        <translation>Align bottom</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="38"/>
        <source>水平等间隔</source>
        <translation>Space horizontally</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="39"/>
        <source>垂直等间隔</source>
        <translation>Space vertically</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="40"/>
        <source>水平居中</source>
        <translation>Centre horizontally</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="41"/>
        <source>垂直居中</source>
        <translation>Centre vertically</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="42"/>
        <source>水平和垂直均居中</source>
        <translation>Centre both ways</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="57"/>
        <source>元件标签(&amp;V)</source>
        <translation>Item &amp;Labels</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="58"/>
        <source>全局设置(&amp;S)</source>
        <translation>&amp;Global Settings</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="59"/>
        <source>报警设置(&amp;E)</source>
        <translation>&amp;Event Settings</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="60"/>
        <source>语言设置(&amp;L)</source>
        <translation>&amp;Language Settings</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="61"/>
        <source>数据传输设置(&amp;T)</source>
        <translation>Data &amp;Transfer Settings</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="62"/>
        <source>通讯设置(&amp;C)</source>
        <translation>&amp;Communication Settings</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="64"/>
        <source>离线模拟(&amp;S)</source>
        <translation>Offline &amp;Simulation</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="65"/>
        <source>下载(&amp;D)</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="66"/>
        <source>模拟器</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="67"/>
        <source>上传/下载</source>
        <translation>Upload/Download</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="68"/>
        <source>工具3</source>
        <translation>Tool 3</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="69"/>
        <source>工具4</source>
        <translation>Tool 4</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="70"/>
        <source>工具5</source>
        <translation>Tool 5</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="71"/>
        <source>使用手册(&amp;M)</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="72"/>
        <source>关于 Balsar(&amp;A)...</source>
        <translation>&amp;About Balsar...</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="73"/>
        <source>下一窗格</source>
        <translation>Next pane</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="74"/>
        <source>上一窗格</source>
        <translation>Previous pane</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="40"/>
        <source>工程文本 (*.json)</source>
        <translation>Project text (*.json)</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="57"/>
        <source>导出为文本(JSON)...</source>
        <translation>Export as Text (JSON)...</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="58"/>
        <source>从文本导入(JSON)...</source>
        <translation>Import from Text (JSON)...</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="59"/>
        <source>导出翻译文本...</source>
        <translation>Export Texts for Translation...</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="60"/>
        <source>导入翻译文本...</source>
        <translation>Import Translated Texts...</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="62"/>
        <location filename="../src/app/XrefDock.cpp" line="53"/>
        <source>地址交叉引用</source>
        <translation>Address Cross-Reference</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="80"/>
        <source>保存为工程文件</source>
        <translation>Save as Project File</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="136"/>
        <source>语种:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="188"/>
        <source>%1: %2 条文本</source>
        <translation>%1: %2 texts</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="223"/>
        <source>%1 条文本已更改</source>
        <translation>%1 texts changed</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="236"/>
        <source>存储 %1% (%2 字节)</source>
        <translation>Memory %1% (%2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="237"/>
        <source>存储 %1 字节</source>
        <translation>Memory %1 bytes</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectTextActions.cpp" line="250"/>
        <source>以下元素未能完整导入:
</source>
        <translation>These elements could not be imported completely:
</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="27"/>
        <source>读</source>
        <translation>Read</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="29"/>
        <source>写</source>
        <translation>Write</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="33"/>
        <source>读写</source>
        <translation>Read/Write</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="39"/>
        <source>画面 %1  %2</source>
        <translation>Screen %1  %2</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="41"/>
        <source>事件 %1  %2</source>
        <translation>Event %1  %2</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="43"/>
        <source>数据传送 %1</source>
        <translation>Data transfer %1</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="59"/>
        <source>按地址筛选，例如 4X 或 LW 12</source>
        <translation>Filter by address, e.g. 4X or LW 12</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="63"/>
        <source>地址 / 使用处</source>
        <translation>Address / Use</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="63"/>
        <source>访问</source>
        <translation>Access</translation>
    </message>
    <message>
        <location filename="../src/app/XrefDock.cpp" line="93"/>
        <source>%1 处</source>
        <translation>%1 uses</translation>
    </message>
    <message>
        <location filename="../src/dialogs/TrendPage.cpp" line="50"/>
        <source>点数:</source>
        <translation>Points:</translation>
    </message>
</context>
</TS>
