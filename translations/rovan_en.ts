<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>appinfo</name>
    <message>
        <source>创建时间 </source>
        <translation>Built </translation>
    </message>
</context>
<context>
    <name>cmd</name>
    <message>
        <source>游戏</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>游戏/新游戏</source>
        <translation>Game/New game</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>外观</source>
        <translation>View</translation>
    </message>
    <message>
        <source>外观/窗口布局</source>
        <translation>View/Window layout</translation>
    </message>
    <message>
        <source>外观/背景</source>
        <translation>View/Background</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>2X2X2魔方</source>
        <translation>2×2×2 cube</translation>
    </message>
    <message>
        <source>3X3X3魔方</source>
        <translation>3×3×3 cube</translation>
    </message>
    <message>
        <source>4X4X4魔方</source>
        <translation>4×4×4 cube</translation>
    </message>
    <message>
        <source>5X5X5魔方</source>
        <translation>5×5×5 cube</translation>
    </message>
    <message>
        <source>6X6X6魔方</source>
        <translation>6×6×6 cube</translation>
    </message>
    <message>
        <source>7X7X7魔方</source>
        <translation>7×7×7 cube</translation>
    </message>
    <message>
        <source>初始状态</source>
        <translation>Initial state</translation>
    </message>
    <message>
        <source>魔方恢复到初始状态</source>
        <translation>Restore the cube to its initial state</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>打开一个魔方文档</source>
        <translation>Open a cube document</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存当前魔方文档</source>
        <translation>Save the current cube document</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>用新名字保存当前魔方文档</source>
        <translation>Save the current cube document under a new name</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤消上一步转动</source>
        <translation>Undo the last turn</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做上一步撤消的转动</source>
        <translation>Redo the last undone turn</translation>
    </message>
    <message>
        <source>慢速乱转</source>
        <translation>Slow scramble</translation>
    </message>
    <message>
        <source>慢速随机乱转魔方</source>
        <translation>Scramble the cube slowly</translation>
    </message>
    <message>
        <source>高速乱转</source>
        <translation>Fast scramble</translation>
    </message>
    <message>
        <source>高速随机乱转魔方</source>
        <translation>Scramble the cube fast</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>设置转动、乱转和解法参数</source>
        <translation>Set turning, scrambling and solving options</translation>
    </message>
    <message>
        <source>标准魔方</source>
        <translation>Standard cube</translation>
    </message>
    <message>
        <source>纯色贴纸</source>
        <translation>Plain coloured stickers</translation>
    </message>
    <message>
        <source>数字魔方</source>
        <translation>Numbers cube</translation>
    </message>
    <message>
        <source>数字贴图</source>
        <translation>Number tiles</translation>
    </message>
    <message>
        <source>字母魔方</source>
        <translation>Letters cube</translation>
    </message>
    <message>
        <source>字母贴图</source>
        <translation>Letter tiles</translation>
    </message>
    <message>
        <source>符号魔方</source>
        <translation>Symbols cube</translation>
    </message>
    <message>
        <source>符号贴图</source>
        <translation>Symbol tiles</translation>
    </message>
    <message>
        <source>图案魔方</source>
        <translation>Pictures cube</translation>
    </message>
    <message>
        <source>图案贴图</source>
        <translation>Picture tiles</translation>
    </message>
    <message>
        <source>财神魔方</source>
        <translation>Currency cube</translation>
    </message>
    <message>
        <source>货币符号贴图</source>
        <translation>Currency symbol tiles</translation>
    </message>
    <message>
        <source>阴阳魔方</source>
        <translation>Flavours cube</translation>
    </message>
    <message>
        <source>五味贴图</source>
        <translation>Five flavours tiles</translation>
    </message>
    <message>
        <source>天下魔方</source>
        <translation>Dynasties cube</translation>
    </message>
    <message>
        <source>朝代贴图</source>
        <translation>Dynasty tiles</translation>
    </message>
    <message>
        <source>投影视图</source>
        <translation>Projection view</translation>
    </message>
    <message>
        <source>显示三个背面的投影</source>
        <translation>Show projections of the three hidden faces</translation>
    </message>
    <message>
        <source>阳光效果</source>
        <translation>Sunlight</translation>
    </message>
    <message>
        <source>打开或关闭第二个光源</source>
        <translation>Switch the second light on or off</translation>
    </message>
    <message>
        <source>抗锯齿</source>
        <translation>Smooth edges</translation>
    </message>
    <message>
        <source>用多重采样画出平滑的边缘</source>
        <translation>Draw smooth edges by multisampling</translation>
    </message>
    <message>
        <source>求解窗口</source>
        <translation>Solving pane</translation>
    </message>
    <message>
        <source>显示或隐藏求解窗口</source>
        <translation>Show or hide the solving pane</translation>
    </message>
    <message>
        <source>解答窗口</source>
        <translation>Move log pane</translation>
    </message>
    <message>
        <source>显示或隐藏解答窗口</source>
        <translation>Show or hide the move log pane</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>显示或隐藏背景图片</source>
        <translation>Show or hide the background picture</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom...</translation>
    </message>
    <message>
        <source>选择背景图片文件</source>
        <translation>Choose a background picture file</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权</source>
        <translation>Show program information, version and copyright</translation>
    </message>
    <message>
        <source>显示帮助</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>建立新文档</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>上一窗格</source>
        <translation>Previous pane</translation>
    </message>
    <message>
        <source>切换回上一个窗格</source>
        <translation>Switch back to the previous pane</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制选定内容</source>
        <translation>Copy the selection</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>剪切选定内容</source>
        <translation>Cut the selection</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>插入剪贴板内容</source>
        <translation>Insert the clipboard contents</translation>
    </message>
    <message>
        <source>Velmora机电设备有限公司</source>
        <translation>Velmora Electromechanical Equipment Co., Ltd.</translation>
    </message>
    <message>
        <source>随机状态打乱</source>
        <translation>Random-State Scramble</translation>
    </message>
    <message>
        <source>把二阶或三阶魔方打乱成等概率的随机状态</source>
        <translation>Scramble the 2x2x2 or 3x3x3 cube into a uniformly random state</translation>
    </message>
    <message>
        <source>复制解法（标准记号）</source>
        <translation>Copy Solution (Standard Notation)</translation>
    </message>
    <message>
        <source>把解答窗口从光标到末尾的步骤用标准记号复制到剪贴板</source>
        <translation>Copy the moves of the log from the cursor to the end to the clipboard in standard notation</translation>
    </message>
</context>
<context>
    <name>movelog</name>
    <message>
        <source>暂停正方向自动演示</source>
        <translation>Pause the forward demonstration</translation>
    </message>
    <message>
        <source>正方向自动演示</source>
        <translation>Play forwards automatically</translation>
    </message>
    <message>
        <source>暂停反方向自动演示</source>
        <translation>Pause the backward demonstration</translation>
    </message>
    <message>
        <source>反方向自动演示</source>
        <translation>Play backwards automatically</translation>
    </message>
</context>
<context>
    <name>orchestration</name>
    <message>
        <source>高阶魔方无解</source>
        <translation>Cubes of higher order cannot be solved here</translation>
    </message>
    <message>
        <source>魔方颜色设置有问题,请重新设置颜色!</source>
        <translation>The cube&apos;s colours are wrong, please set them again!</translation>
    </message>
    <message>
        <source>无法复原魔方！请重新设置颜色</source>
        <translation>The cube cannot be solved! Please set the colours again</translation>
    </message>
    <message>
        <source>无法复原魔方！请重新设置角块颜色</source>
        <translation>The cube cannot be solved! Please set the corner colours again</translation>
    </message>
    <message>
        <source>无法复原魔方！请重新设置棱块颜色</source>
        <translation>The cube cannot be solved! Please set the edge colours again</translation>
    </message>
    <message>
        <source>序列中包含无法的命令</source>
        <translation>The sequence contains commands that cannot be carried out</translation>
    </message>
    <message>
        <source>请切换到标准魔方，再修改中心块色彩!</source>
        <translation>Switch to the standard cube before changing the centre colours!</translation>
    </message>
    <message>
        <source>当前软件仅支持二、三、四阶实体魔方输入求解！
虚拟电脑魔方不需输入颜色，直接求解。</source>
        <translation>Colours can be entered and solved for real cubes of order 2, 3 and 4 only!
A virtual cube needs no colours: solve it directly.</translation>
    </message>
    <message>
        <source>仙人解法</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>停止求解</source>
        <translation>Stop solving</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>定制颜色</source>
        <translation>Custom colour</translation>
    </message>
    <message>
        <source>初级解法</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>高级解法</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>高速乱转</source>
        <translation>Fast scramble</translation>
    </message>
    <message>
        <source>魔方</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>魔方文档 (*.rvs);;所有文件 (*)</source>
        <translation>Cube documents (*.rvs);;All files (*)</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>Rovan魔方</source>
        <translation>Rovan Cube</translation>
    </message>
</context>
<context>
    <name>shell::CAboutDlg</name>
    <message>
        <source>Rovan魔方求解</source>
        <translation>Rovan Cube Solver</translation>
    </message>
    <message>
        <source>Rovan魔方 V2.2.7.8</source>
        <translation>Rovan Cube V2.2.7.8</translation>
    </message>
    <message>
        <source>建立日期:</source>
        <translation>Build date:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>shell::CCubeSolverForm</name>
    <message>
        <source>第一步：选用魔方涂色工具</source>
        <translation>Step 1: choose a colour</translation>
    </message>
    <message>
        <source>所选颜色</source>
        <translation>Chosen colour</translation>
    </message>
    <message>
        <source>第二步：使用涂色工具对魔方平面图涂色</source>
        <translation>Step 2: paint the net</translation>
    </message>
    <message>
        <source>第三步：应用当前涂色方案到魔方并求解</source>
        <translation>Step 3: apply and solve</translation>
    </message>
    <message>
        <source>魔方命令</source>
        <translation>Cube commands</translation>
    </message>
    <message>
        <source>解法共 %1 步，超出了操作记录的容量，无法载入。</source>
        <translation>The solution has %1 moves, more than the move log holds; it cannot be loaded.</translation>
    </message>
    <message>
        <source>此解法不在本程序中。</source>
        <translation>This method is not part of this program. </translation>
    </message>
    <message>
        <source>尚未找到解法，操作记录保持不变。</source>
        <translation>No solution found yet; the move log stays as it is.</translation>
    </message>
</context>
<context>
    <name>shell::CDlgHelp</name>
    <message>
        <source>Rovan魔方 使用说明（F1 随时打开）</source>
        <translation>Rovan Cube: how to use it (F1 opens it at any time)</translation>
    </message>
    <message>
        <source>Rovan魔方 V2.2.7.8 帮助 创建日期：</source>
        <translation>Rovan Cube V2.2.7.8 help, built on </translation>
    </message>
    <message>
        <source>RVSOLVER </source>
        <translation>RVSOLVER </translation>
    </message>
</context>
<context>
    <name>shell::CMainFrame</name>
    <message>
        <source>滑动鼠标左键转动魔方，滑动右键翻动魔方，滚动滑轮缩放魔方</source>
        <translation>Left drag turns a layer, right drag turns the cube, the wheel zooms</translation>
    </message>
    <message>
        <source>Rovan魔方求解</source>
        <translation>Rovan Cube Solver</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>游戏步数 = %1</source>
        <translation>Moves = %1</translation>
    </message>
    <message>
        <source>打开图形文件</source>
        <translation>Open picture file</translation>
    </message>
    <message>
        <source>图形文件 (.bmp.gif.jpg.tga) (*.bmp *.jpg *.tga *.gif);;BMP (*.bmp) (*.bmp);;GIF (*.gif) (*.gif);;JPG (*.jpg) (*.jpg);;TGA (*.tga) (*.tga);;所有文件 (*.*) (*)</source>
        <translation>Picture files (.bmp.gif.jpg.tga) (*.bmp *.jpg *.tga *.gif);;BMP (*.bmp) (*.bmp);;GIF (*.gif) (*.gif);;JPG (*.jpg) (*.jpg);;TGA (*.tga) (*.tga);;All files (*.*) (*)</translation>
    </message>
</context>
<context>
    <name>shell::COpLogForm</name>
    <message>
        <source>X轴----整个魔方绕X轴顺时针旋转90度</source>
        <translation>X axis: turn the whole cube 90° clockwise about X</translation>
    </message>
    <message>
        <source>X轴----整个魔方绕X轴顺时针旋转180°</source>
        <translation>X axis: turn the whole cube 180° about X</translation>
    </message>
    <message>
        <source>X轴----整个魔方绕X轴逆时针旋转90°</source>
        <translation>X axis: turn the whole cube 90° anticlockwise about X</translation>
    </message>
    <message>
        <source>Y轴----整个魔方绕Y轴顺时针旋转90°</source>
        <translation>Y axis: turn the whole cube 90° clockwise about Y</translation>
    </message>
    <message>
        <source>Y轴----整个魔方绕Y轴顺时针旋转180°</source>
        <translation>Y axis: turn the whole cube 180° about Y</translation>
    </message>
    <message>
        <source>Y轴----整个魔方绕Y轴逆时针旋转90°</source>
        <translation>Y axis: turn the whole cube 90° anticlockwise about Y</translation>
    </message>
    <message>
        <source>Z轴----整个魔方绕Z轴顺时针旋转90°</source>
        <translation>Z axis: turn the whole cube 90° clockwise about Z</translation>
    </message>
    <message>
        <source>Z轴----整个魔方绕Z轴顺时针旋转180°</source>
        <translation>Z axis: turn the whole cube 180° about Z</translation>
    </message>
    <message>
        <source>Z轴----整个魔方绕Z轴逆时针旋转90°</source>
        <translation>Z axis: turn the whole cube 90° anticlockwise about Z</translation>
    </message>
    <message>
        <source>后退到起点</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>One step back</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>One step forward</translation>
    </message>
    <message>
        <source>前进到终点</source>
        <translation>Forward to the end</translation>
    </message>
</context>
<context>
    <name>shell::CPreferencesDlg</name>
    <message>
        <source>选项设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>初级解法</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>高级解法</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>自动演示间隔</source>
        <translation>Demonstration interval</translation>
    </message>
    <message>
        <source>随机乱转魔方</source>
        <translation>Scrambling</translation>
    </message>
    <message>
        <source>随机乱转</source>
        <translation>Random turns</translation>
    </message>
    <message>
        <source>(0-5000 转)</source>
        <translation>(0-5000 turns)</translation>
    </message>
    <message>
        <source>动态显示随机转动状态</source>
        <translation>Show the scramble turn by turn</translation>
    </message>
    <message>
        <source>乱转时固定中心块(奇数价)</source>
        <translation>Keep the centres fixed when scrambling (odd orders)</translation>
    </message>
    <message>
        <source>转动状态参数</source>
        <translation>Turning</translation>
    </message>
    <message>
        <source>转动帧数</source>
        <translation>Frames per turn</translation>
    </message>
    <message>
        <source>(0-500 帧)</source>
        <translation>(0-500 frames)</translation>
    </message>
    <message>
        <source>每帧延迟</source>
        <translation>Delay per frame</translation>
    </message>
    <message>
        <source>(0-50 毫秒)</source>
        <translation>(0-50 ms)</translation>
    </message>
    <message>
        <source>(0-3000 毫秒)</source>
        <translation>(0-3000 ms)</translation>
    </message>
    <message>
        <source>层先流行玩法</source>
        <translation>Layer by layer</translation>
    </message>
    <message>
        <source>不用背公式的玩法</source>
        <translation>Without formulas</translation>
    </message>
    <message>
        <source>Lars Petrus玩法</source>
        <translation>Lars Petrus method</translation>
    </message>
    <message>
        <source>最小步玩法</source>
        <translation>Fewest moves</translation>
    </message>
    <message>
        <source>鼠标拖动最小敏感距离</source>
        <translation>Smallest mouse drag distance</translation>
    </message>
    <message>
        <source>(0-20 象素)</source>
        <translation>(0-20 pixels)</translation>
    </message>
    <message>
        <source>鼠标拖动最大视图角度</source>
        <translation>Largest mouse drag angle</translation>
    </message>
    <message>
        <source>(0-135 度)</source>
        <translation>(0-135 degrees)</translation>
    </message>
    <message>
        <source>交换鼠标左右键</source>
        <translation>Swap the mouse buttons</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>缺省</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>twophase</name>
    <message>
        <source>错误 : 颜色设置有问题,请重新设置颜色!</source>
        <translation>Error: the colours are wrong, please set them again!</translation>
    </message>
    <message>
        <source>魔方已经复原</source>
        <translation>The cube is already solved</translation>
    </message>
</context>
</TS>
