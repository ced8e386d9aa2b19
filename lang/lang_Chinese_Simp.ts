<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>QObject</name>
        <message>
            <source>晴曜命盘</source>
            <translation>晴曜命盘</translation>
        </message>
    </context>
    <context>
        <name>gallery</name>
        <message>
            <source>晴曜命盘</source>
            <translation>晴曜命盘</translation>
        </message>
    </context>
</TS>
