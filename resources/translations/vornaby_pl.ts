<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Tryb zaawansowany</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Tryb zaawansowany</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Tryb prosty</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Częstotliwość (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Czas trwania (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Częstotliwość predefiniowana (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Suwak częstotliwości</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>O programie Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Ikona Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, wersja 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 twórcy Vornaby, licencja MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Czyste tony do testów słuchu, stworzone w Qt i ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;O programie Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Wprowadź liczbę od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
</context>
</TS>
