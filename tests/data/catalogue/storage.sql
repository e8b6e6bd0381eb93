-- RAID types, disk bays and NVR figures. Every NVR carries the NVR code
-- (010403) and the English list's mark (010501). The bandwidth figures are
-- Mbps: a plain figure, one whose Kbps pass the int range, one whose Kbps pass
-- the 64-bit range, a negative one and one that is not a whole number.
INSERT INTO DevParam2 VALUES ('Analog Inputs', '020100', 1, '', '');
INSERT INTO DevParam2 VALUES ('8', '020101', 1, '', '');
INSERT INTO DevParam2 VALUES ('Network Inputs', '020300', 1, '', '');
INSERT INTO DevParam2 VALUES ('16', '020301', 1, '', '');
INSERT INTO DevParam2 VALUES ('32', '020302', 1, '', '');
INSERT INTO DevParam2 VALUES ('Incoming Bandwidth', '020400', 1, '', '');
INSERT INTO DevParam2 VALUES ('128', '020401', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('2097152', '020402', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('9007199254740993', '020403', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('-5', '020404', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('12.5', '020405', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('HDD Bays', '050100', 1, '', '');
INSERT INTO DevParam2 VALUES ('4', '050101', 1, '', '');
INSERT INTO DevParam2 VALUES ('12abc', '050102', 1, '', '');
INSERT INTO DevParam2 VALUES ('RAID Types', '100100', 1, '', '');
INSERT INTO DevParam2 VALUES ('RAID0', '100101', 1, '', '');
INSERT INTO DevParam2 VALUES ('RAID5', '100102', 1, '', '');
INSERT INTO DevParam2 VALUES ('HOT-Spare', '100103', 1, '', '');

INSERT INTO Device2 VALUES ('NVR-A', '010403');
INSERT INTO Device2 VALUES ('NVR-A', '010501');
INSERT INTO Device2 VALUES ('NVR-A', '100102');
INSERT INTO Device2 VALUES ('NVR-A', '100101');
INSERT INTO Device2 VALUES ('NVR-A', '050101');
INSERT INTO Device2 VALUES ('NVR-A', '020301');
INSERT INTO Device2 VALUES ('NVR-A', '020401');
INSERT INTO Device2 VALUES ('NVR-A', '020101');
INSERT INTO Device2 VALUES ('NVR-B', '010403');
INSERT INTO Device2 VALUES ('NVR-B', '010501');
INSERT INTO Device2 VALUES ('NVR-B', '050102');
INSERT INTO Device2 VALUES ('NVR-B', '020302');
INSERT INTO Device2 VALUES ('NVR-B', '020402');
INSERT INTO Device2 VALUES ('NVR-C', '010403');
INSERT INTO Device2 VALUES ('NVR-C', '010501');
INSERT INTO Device2 VALUES ('NVR-C', '020403');
INSERT INTO Device2 VALUES ('NVR-D', '010403');
INSERT INTO Device2 VALUES ('NVR-D', '010501');
INSERT INTO Device2 VALUES ('NVR-D', '020404');
INSERT INTO Device2 VALUES ('NVR-E', '010403');
INSERT INTO Device2 VALUES ('NVR-E', '010501');
INSERT INTO Device2 VALUES ('NVR-E', '020405');
INSERT INTO Device2 VALUES ('NVR-F', '010403');
INSERT INTO Device2 VALUES ('NVR-F', '010501');

-- CVRs: CVR-A has two bay rows (the first counts).
INSERT INTO DevParam5 VALUES ('HDD Bays', '020100', 1, '', '');
INSERT INTO DevParam5 VALUES ('24', '020101', 1, '', '');
INSERT INTO DevParam5 VALUES ('48', '020102', 1, '', '');
INSERT INTO DevParam5 VALUES ('RAID Types', '020600', 1, '', '');
INSERT INTO DevParam5 VALUES ('RAID6', '020601', 1, '', '');
INSERT INTO DevParam5 VALUES ('RAID50', '020602', 1, '', '');
INSERT INTO DevParam5 VALUES ('HOT-Spare', '020603', 1, '', '');
INSERT INTO Device5 VALUES ('CVR-A', '020603');
INSERT INTO Device5 VALUES ('CVR-A', '020601');
INSERT INTO Device5 VALUES ('CVR-A', '020602');
INSERT INTO Device5 VALUES ('CVR-A', '020101');
INSERT INTO Device5 VALUES ('CVR-A', '020102');
