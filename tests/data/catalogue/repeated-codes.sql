-- Network cameras on top of params.sql whose device rows repeat a code:
-- CAM-D names 020101 twice and lacks 020102; CAM-E names each once.
INSERT INTO Device1 VALUES ('CAM-D', '020101');
INSERT INTO Device1 VALUES ('CAM-D', '020101');
INSERT INTO Device1 VALUES ('CAM-E', '020102');
INSERT INTO Device1 VALUES ('CAM-E', '020101');
