-- NVR models for the NVR allocation. Every NVR carries the NVR code (010403)
-- and the English list's mark (010501); HNVR-8 is a hybrid NVR (010401), so
-- the list names it after the NVRs. Bandwidth figures are Mbps.
INSERT INTO DevParam2 VALUES ('Analog Inputs', '020100', 1, '', '');
INSERT INTO DevParam2 VALUES ('4', '020101', 1, '', '');
INSERT INTO DevParam2 VALUES ('Network Inputs', '020300', 1, '', '');
INSERT INTO DevParam2 VALUES ('64', '020301', 1, '', '');
INSERT INTO DevParam2 VALUES ('160', '020302', 1, '', '');
INSERT INTO DevParam2 VALUES ('16', '020303', 1, '', '');
INSERT INTO DevParam2 VALUES ('32', '020304', 1, '', '');
INSERT INTO DevParam2 VALUES ('8', '020305', 1, '', '');
INSERT INTO DevParam2 VALUES ('Incoming Bandwidth', '020400', 1, '', '');
INSERT INTO DevParam2 VALUES ('128', '020401', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('320', '020402', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('2097152', '020403', 1, 'Mbps', '');
INSERT INTO DevParam2 VALUES ('40', '020404', 1, 'Mbps', '');

-- 64 channels, 128 Mbps, 4 analogue inputs.
INSERT INTO Device2 VALUES ('NVR-64', '010403');
INSERT INTO Device2 VALUES ('NVR-64', '010501');
INSERT INTO Device2 VALUES ('NVR-64', '020101');
INSERT INTO Device2 VALUES ('NVR-64', '020301');
INSERT INTO Device2 VALUES ('NVR-64', '020401');
-- 160 channels, 320 Mbps.
INSERT INTO Device2 VALUES ('NVR-160', '010403');
INSERT INTO Device2 VALUES ('NVR-160', '010501');
INSERT INTO Device2 VALUES ('NVR-160', '020302');
INSERT INTO Device2 VALUES ('NVR-160', '020402');
-- 16 channels, no bandwidth figure.
INSERT INTO Device2 VALUES ('NVR-No-Bandwidth', '010403');
INSERT INTO Device2 VALUES ('NVR-No-Bandwidth', '010501');
INSERT INTO Device2 VALUES ('NVR-No-Bandwidth', '020303');
-- 128 Mbps, no channel figure.
INSERT INTO Device2 VALUES ('NVR-No-Channels', '010403');
INSERT INTO Device2 VALUES ('NVR-No-Channels', '010501');
INSERT INTO Device2 VALUES ('NVR-No-Channels', '020401');
-- 32 channels, 2097152 Mbps: 2^31 Kbps, one past the int range.
INSERT INTO Device2 VALUES ('NVR-Wide', '010403');
INSERT INTO Device2 VALUES ('NVR-Wide', '010501');
INSERT INTO Device2 VALUES ('NVR-Wide', '020304');
INSERT INTO Device2 VALUES ('NVR-Wide', '020403');
-- Hybrid: 8 channels, 40 Mbps.
INSERT INTO Device2 VALUES ('HNVR-8', '010401');
INSERT INTO Device2 VALUES ('HNVR-8', '010501');
INSERT INTO Device2 VALUES ('HNVR-8', '020305');
INSERT INTO Device2 VALUES ('HNVR-8', '020404');
