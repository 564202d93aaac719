<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>O programie Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="27"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="12"/>
        <source>Vornaby icon</source>
        <translation>Ikona Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="16"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, wersja 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="21"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 twórcy Vornaby, licencja MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="32"/>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Czyste tony do testów słuchu, stworzone w Qt i ALSA.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="13"/>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <source>play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="83"/>
        <source>Advanced  Mode</source>
        <translation>Tryb zaawansowany</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced Mode</source>
        <translation>Tryb zaawansowany</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="99"/>
        <source>Simple Mode</source>
        <translation>Tryb prosty</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="20"/>
        <location filename="../main_form.ui" line="36"/>
        <location filename="../main_form.ui" line="92"/>
        <source>Frequency(hz)</source>
        <translation>Częstotliwość (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="32"/>
        <location filename="../main_form.ui" line="43"/>
        <source>time(ms)</source>
        <translation>Czas trwania (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="64"/>
        <source>Preset frequency(hz)</source>
        <translation>Częstotliwość predefiniowana (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="108"/>
        <source>Frequency slider</source>
        <translation>Suwak częstotliwości</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Wprowadź liczbę od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../qt/QtProgramResources.cpp" line="34"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../ProgramResources.cpp" line="17"/>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;O programie Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/Dialog.cpp" line="43"/>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <location filename="../../framework/Dialog.cpp" line="44"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
</context>
</TS>
