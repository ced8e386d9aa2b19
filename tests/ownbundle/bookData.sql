CREATE TABLE `bookData` (`seqid` INTEGER NOT NULL, `bookname` TEXT NOT NULL, `idx01` TEXT NOT NULL, `idx02` TEXT, `idx03` TEXT, `idx04` TEXT, `idx05` TEXT, `content01` TEXT, `content02` TEXT, `content03` TEXT, `content04` TEXT, `content05` TEXT, PRIMARY KEY(`seqid`));
INSERT INTO `bookData` (`seqid`,`bookname`,`idx01`,`idx02`,`idx03`,`idx04`,`idx05`,`content01`,`content02`,`content03`,`content04`,`content05`) VALUES (1,'ShiGanTiXiang','0',NULL,NULL,NULL,NULL,'s1p1甲木参天p2s2',NULL,NULL,NULL,NULL);
INSERT INTO `bookData` (`seqid`,`bookname`,`idx01`,`idx02`,`idx03`,`idx04`,`idx05`,`content01`,`content02`,`content03`,`content04`,`content05`) VALUES (2,'baojian','0','0',NULL,NULL,NULL,'s1p1甲木生于寅月p2s2',NULL,NULL,NULL,NULL);
this piece is not SQL and is skipped;
CREATE INDEX `idxbookname` ON `bookData` (`bookname`);
CREATE INDEX `idxidx01` ON `bookData` (`idx01`);
