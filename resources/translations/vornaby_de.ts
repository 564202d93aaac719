<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Erweiterter Modus</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Erweiterter Modus</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Einfacher Modus</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Frequenz (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Dauer (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Voreingestellte Frequenz (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Frequenzregler</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Über Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Vornaby-Symbol</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, Version 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 die Vornaby-Entwickler, MIT-Lizenz</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Reine Töne für Hörtests, erstellt mit Qt und ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>Ü&amp;ber Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Bitte geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
</context>
</TS>
