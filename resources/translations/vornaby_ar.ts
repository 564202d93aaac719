<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>حول Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="30"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="15"/>
        <source>Vornaby icon</source>
        <translation>أيقونة Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="19"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby، الإصدار 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="24"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 مطوّرو Vornaby، ترخيص MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="35"/>
        <source>Pure tones for listening tests.</source>
        <translation>نغمات نقية لاختبارات السمع.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="18"/>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="30"/>
        <source>play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced  Mode</source>
        <translation>الوضع المتقدم</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="93"/>
        <source>Advanced Mode</source>
        <translation>الوضع المتقدم</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="104"/>
        <source>Simple Mode</source>
        <translation>الوضع البسيط</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <location filename="../main_form.ui" line="41"/>
        <location filename="../main_form.ui" line="97"/>
        <source>Frequency(hz)</source>
        <translation>التردد (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="37"/>
        <location filename="../main_form.ui" line="48"/>
        <source>time(ms)</source>
        <translation>المدة (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="69"/>
        <source>Preset frequency(hz)</source>
        <translation>تردد مُعدّ مسبقًا (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="113"/>
        <source>Frequency slider</source>
        <translation>منزلق التردد</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>يرجى إدخال عدد صحيح.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>يرجى إدخال رقم من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../qt/QtProgramResources.cpp" line="34"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../ProgramResources.cpp" line="17"/>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;حول Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="100"/>
        <source>Mi&amp;nimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="101"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>قائمة النافذة</translation>
    </message>
</context>
</TS>
