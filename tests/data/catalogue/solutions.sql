-- Industry solutions and device-type codes of every class.
--
-- Sorted by industry, the solution types first appear in the order Cloud,
-- Hybrid, Network, Analog. Education has scenes in two solution types; its
-- Gate scene names CAM-A twice; a count in Retail is not a number.
INSERT INTO IndustryParam VALUES ('Retail', 'Shop', 'CAM-B', 'many', 'IPC', 'Analog');
INSERT INTO IndustryParam VALUES ('Education', 'Gate', 'CAM-A', 4, 'IPC', 'Network');
INSERT INTO IndustryParam VALUES ('Education', 'Gate', 'DOME-A', 1, 'Dome', 'Network');
INSERT INTO IndustryParam VALUES ('Education', 'Gate', 'CAM-A', 6, 'IPC', 'Network');
INSERT INTO IndustryParam VALUES ('Education', 'Classroom', 'CAM-B', 2, 'IPC', 'Network');
INSERT INTO IndustryParam VALUES ('Education', 'Library', 'CAM-B', 3, 'IPC', 'Network');
INSERT INTO IndustryParam VALUES ('Education', 'Gate', 'DVR-A', 1, 'DVR', 'Hybrid');
INSERT INTO IndustryParam VALUES ('Education', 'Dormitory', 'DVR-B', 2, 'DVR', 'Hybrid');
INSERT INTO IndustryParam VALUES ('Banking', 'Lobby', 'HNVR-A', 1, 'DVR', 'Hybrid');
INSERT INTO IndustryParam VALUES ('Aviation', 'Hangar', 'CAM-A', 8, 'IPC', 'Cloud');

-- Recorders: 010401 hybrid NVR, 010402 DVR, 010403 NVR, 010501 the English
-- list's mark. NVR-A carries both the NVR and the hybrid code; DVR-X lacks the
-- English mark; NVR-T carries only a code that a parameter-code table may name.
INSERT INTO Device2 VALUES ('DVR-B', '010402');
INSERT INTO Device2 VALUES ('DVR-B', '010501');
INSERT INTO Device2 VALUES ('DVR-A', '010402');
INSERT INTO Device2 VALUES ('DVR-A', '010501');
INSERT INTO Device2 VALUES ('DVR-X', '010402');
INSERT INTO Device2 VALUES ('HNVR-A', '010401');
INSERT INTO Device2 VALUES ('HNVR-A', '010501');
INSERT INTO Device2 VALUES ('NVR-B', '010403');
INSERT INTO Device2 VALUES ('NVR-B', '010501');
INSERT INTO Device2 VALUES ('NVR-A', '010403');
INSERT INTO Device2 VALUES ('NVR-A', '010501');
INSERT INTO Device2 VALUES ('NVR-A', '010401');
INSERT INTO Device2 VALUES ('NVR-T', '019999');
INSERT INTO Device2 VALUES ('NVR-T', '010501');

-- Network cameras (English mark 011001), speed domes (010701), CVRs (010201).
INSERT INTO Device1 VALUES ('CAM-B', '011001');
INSERT INTO Device1 VALUES ('CAM-B', '020101');
INSERT INTO Device1 VALUES ('CAM-A', '011001');
INSERT INTO Device1 VALUES ('CAM-Z', '020101');
INSERT INTO Device3 VALUES ('DOME-B', '010701');
INSERT INTO Device3 VALUES ('DOME-A', '010701');
INSERT INTO Device3 VALUES ('DOME-Q', '060201');
INSERT INTO Device5 VALUES ('CVR-A', '010201');
INSERT INTO Device5 VALUES ('CVR-X', '020101');
